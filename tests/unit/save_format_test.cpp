#include "game/save_format.h"

#include <gtest/gtest.h>

#include <string>

namespace quillmore {
namespace {

constexpr std::string_view kOurs = "0123456789abcdef";
constexpr std::string_view kFirstPageKey = "fedcba9876543210";  // the page's first format's
const data_keys kKeys{.current = kOurs, .firstPageFormat = kFirstPageKey};
const std::string kTyped = "s\ngive english coins\nConor\n";

std::string FirstPageFormat(std::string_view key, std::size_t count, std::string_view typed) {
  return "quillmore save 1\ndata " + std::string(key) + "\ntyped " + std::to_string(count) +
         "\n\n" + std::string(typed);
}

// A save either front end wrote, in any format it has written, is read by both.
TEST(ReadSave, ReadsEveryFormatEitherFrontEndWrote) {
  for (const std::string& text : {
           SaveHeader(kOurs) + kTyped,                   // the page's
           SaveHeader(kOurs, "/home/me/data") + kTyped,  // the terminal's
           "quillmore progress 1\nfolder /home/me/data\ndata " + std::string(kOurs) + "\n\n" +
               kTyped,
           FirstPageFormat(kFirstPageKey, kTyped.size(), kTyped),
           // Header lines this game does not know are passed over.
           "quillmore save 2\nplayed 2026-12-07\ndata " + std::string(kOurs) + "\n\n" + kTyped,
       }) {
    const save_reading read = ReadSave(text, kKeys);
    EXPECT_EQ(read.verdict, save_verdict::kReadable) << text;
    EXPECT_EQ(read.typed, kTyped) << text;
  }
  // A line cut short by a power cut was never read by the game.
  EXPECT_EQ(ReadSave(SaveHeader(kOurs) + "s\ngive eng", kKeys).typed, "s\n");
  // Lines ended by CR LF, as a mail or an editor may leave them, are read as the same lines.
  const save_reading crlf =
      ReadSave("quillmore save 2\r\ndata " + std::string(kOurs) + "\r\n\r\ns\r\nn\r\n", kKeys);
  EXPECT_EQ(crlf.verdict, save_verdict::kReadable);
  EXPECT_EQ(crlf.typed, "s\nn\n");
  // A folder whose path holds a line end still has a header of one line a field.
  const save_reading folder = ReadSave(SaveHeader(kOurs, "/home/me/a\nq\n\nq") + kTyped, kKeys);
  EXPECT_EQ(folder.verdict, save_verdict::kReadable);
  EXPECT_EQ(folder.typed, kTyped);
  EXPECT_EQ(SaveHeader(kOurs, "/a\nq\x1b"),
            "quillmore save 2\ndata " + std::string(kOurs) + "\nfolder /a^Jq^[\n\n");
}

TEST(ReadSave, TellsOtherDataFromWhatIsNoSave) {
  // Each format has its own key for the same data.
  for (const std::string& text :
       {SaveHeader(kFirstPageKey) + kTyped, FirstPageFormat(kOurs, kTyped.size(), kTyped)}) {
    EXPECT_EQ(ReadSave(text, kKeys).verdict, save_verdict::kOtherData) << text;
  }
  for (const std::string& text : {
           std::string(),
           kTyped,
           "quillmore save 3\ndata " + std::string(kOurs) + "\n\n" + kTyped,
           "quillmore save 2\ndata " + std::string(kOurs) + "\n" + kTyped,  // no blank line
           "quillmore save 2\ndata " + std::string(kOurs) + "\n",           // nor anything else
           "quillmore save 2\ndata 0123456789ABCDEF\n\n" + kTyped,          // no key
           "quillmore save 2\ndata " + std::string(kOurs) + "\nfolder\n\n" + kTyped,
           "quillmore save 2\n data " + std::string(kOurs) + "\n\n" + kTyped,  // no name
           "quillmore save 1\ndata " + std::string(kFirstPageKey) + "\ntyped many\n\n" + kTyped,
           FirstPageFormat(kFirstPageKey, kTyped.size() + 1, kTyped),  // cut short
           FirstPageFormat(kFirstPageKey, kTyped.size() - 1, kTyped),  // added to
           // Lines nobody could have typed: a NUL, ESC, a carriage return on its own.
           SaveHeader(kOurs) + "s\n" + std::string(1, '\0') + "\n",
           SaveHeader(kOurs) + "get \x1b]0;title\x07\n",
           SaveHeader(kOurs) + "look\rq\n",
           SaveHeader(kOurs) + "s\n\r",
       }) {
    EXPECT_EQ(ReadSave(text, kKeys).verdict, save_verdict::kUnreadable) << text;
    EXPECT_EQ(ReadSave(text, kKeys).typed, "") << text;
  }
}

// Keys must be the same on every machine and in every build: FNV-1a's own test values.
TEST(DataKey, IsFnv1aOfEachFileWithItsLength) {
  EXPECT_EQ(HashKey(""), "cbf29ce484222325");
  EXPECT_EQ(HashKey("a"), "af63dc4c8601ec8c");
  EXPECT_EQ(DataKey("ab", "", "c"), HashKey("2:ab0:1:c"));
}

}  // namespace
}  // namespace quillmore
