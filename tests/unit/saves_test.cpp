// What a front end keeps of a game: the typing, taken back a command at a time; the one save
// format both front ends write, and the two they wrote before; the transcripts kept.

#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <vector>

#include "fault_injection_file_system.h"
#include "game/save_format.h"
#include "game/typing.h"
#include "terminal/transcript.h"

namespace quillmore {
namespace {

TEST(Typing, TakesBackACommandWithEveryLineItRead) {
  typing played;
  EXPECT_FALSE(played.Undo());
  played.Add("s\n", wanted::kCommand);
  played.Add("give\n", wanted::kCommand);
  played.Add("coins\n", wanted::kObjectCarried);
  played.Add("Conor\n", wanted::kPerson);
  played.Add("  \n", wanted::kCommand);  // the game reads past a blank line: no command
  EXPECT_EQ(played.LastCommand(), "give");
  ASSERT_TRUE(played.Undo());
  EXPECT_EQ(played.Text(), "s\n");
  played.Add("talk Liam\n", wanted::kCommand);
  played.Add("b\n", wanted::kAnswer);
  ASSERT_TRUE(played.Undo());
  ASSERT_TRUE(played.Undo());
  EXPECT_EQ(played.Text(), "");
  EXPECT_FALSE(played.Undo());
  EXPECT_EQ(played.LastCommand(), "");
}

TEST(Typing, KnowsUndoAndACommentFromACommand) {
  EXPECT_EQ(AsideOf("undo\n"), aside::kUndo);
  EXPECT_EQ(AsideOf(" Undo "), aside::kUndo);
  EXPECT_EQ(AsideOf("UNDO"), aside::kNone);  // the game's words are small or capitalised
  EXPECT_EQ(AsideOf("undo s"), aside::kNone);
  EXPECT_EQ(AsideOf("* a note for the author"), aside::kComment);
  EXPECT_EQ(AsideOf("  *"), aside::kComment);
  EXPECT_EQ(AsideOf("look *"), aside::kNone);
}

const std::string kKey = DataKey("a", "b", "c");

TEST(SaveFormat, TheKeyOfTheDataIsTheSameOnEveryMachineAndInEveryBuild) {
  EXPECT_EQ(kKey, "156fd55e648d679c");  // saves travel between versions and front ends
  EXPECT_NE(DataKey("ab", "", "c"), DataKey("a", "b", "c"));
}

TEST(SaveFormat, ReadsItsOwnAndBothFormatsBefore) {
  const data_keys ours{.current = kKey, .firstPageFormat = "0123456789abcdef"};
  const std::string typed = "s\ngive coins\nConor\n";
  const std::string fresh = SaveHeader(kKey, "/home/me/data") + typed;
  EXPECT_EQ(fresh.substr(0, fresh.find("\n\n")),
            "quillmore save 2\ndata " + kKey + "\nfolder /home/me/data");
  const std::string readable[] = {
      fresh,
      SaveHeader(kKey) + typed,
      "quillmore save 2\ndata " + kKey + "\nplayer someone else\n\n" + typed,
      "quillmore progress 1\nfolder /home/me/data\ndata " + kKey + "\n\n" + typed,
      "quillmore save 1\ndata 0123456789abcdef\ntyped 19\n\n" + typed,
  };
  for (const std::string& text : readable) {
    const save_reading read = ReadSave(text, ours);
    EXPECT_EQ(read.verdict, save_verdict::kReadable) << text;
    EXPECT_EQ(read.typed, typed) << text;
    // A power cut leaves at worst the last line cut short, which the game never read. (The
    // page's first format was written whole, and counted its bytes.)
    if (!text.starts_with("quillmore save 1")) {
      EXPECT_EQ(ReadSave(text + "talk Se", ours).typed, typed) << text;
    }
  }
}

TEST(SaveFormat, TellsOtherDataFromWhatIsNoSave) {
  const data_keys ours{.current = kKey, .firstPageFormat = "0123456789abcdef"};
  EXPECT_EQ(ReadSave(SaveHeader(DataKey("a", "b", "d")) + "s\n", ours).verdict,
            save_verdict::kOtherData);
  EXPECT_EQ(ReadSave("quillmore save 1\ndata " + kKey + "\ntyped 2\n\ns\n", ours).verdict,
            save_verdict::kOtherData);  // the page's first key was made otherwise
  const std::string unreadable[] = {
      "",
      "a letter\n",
      "quillmore save 2\ndata " + kKey + "\ns\n",              // no blank line ends the header
      "quillmore save 2\ndata " + kKey.substr(1) + "\n\ns\n",  // no key
      "quillmore save 2\nrubbish\n\ns\n",
      "quillmore save 3\ndata " + kKey + "\n\ns\n",
      "quillmore save 1\ndata 0123456789abcdef\ntyped 3\n\ns\n",  // cut short, or changed
  };
  for (const std::string& text : unreadable) {
    EXPECT_EQ(ReadSave(text, ours).verdict, save_verdict::kUnreadable) << text;
  }
}

std::tm At(int day, int hour) {
  std::tm when{};
  when.tm_year = 2026 - 1900;
  when.tm_mon = 11;
  when.tm_mday = day;
  when.tm_hour = hour;
  return when;
}

TEST(Transcripts, TheNewestAreKeptAndNothingElseIsTouched) {
  EXPECT_EQ(TranscriptName(At(7, 23)), "2026-12-07-230000.txt");
  EXPECT_EQ(TranscriptName(At(7, 23), 2), "2026-12-07-230000-2.txt");
  const std::vector<std::string> names = {"2026-12-07-230000-2.txt",  "notes.txt",
                                          "2026-12-08-090000.txt",    "2026-12-07-230000.txt",
                                          "2026-12-07-230000-10.txt", "2026-1-7.txt",
                                          "2026-12-06-120000.txt.bak"};
  EXPECT_EQ(OldTranscripts(names, "2026-12-08-090000.txt", 2),
            (std::vector<std::string>{"2026-12-07-230000.txt", "2026-12-07-230000-2.txt"}));
  // The game's own transcript is never removed, even where a clock went back.
  EXPECT_EQ(OldTranscripts(names, "2026-12-07-230000.txt", 1),
            (std::vector<std::string>{"2026-12-07-230000-2.txt", "2026-12-07-230000-10.txt"}));
}

TEST(Transcripts, AreWrittenAsTheGameWaitsAndSaySoOnceWhenTheyCannotBe) {
  fault_injection_file_system disk;
  std::string notice;
  for (int day = 1; day <= 4; ++day) {
    transcript record(disk, "/state/transcripts", At(day, 8), 3);
    record.Add("> s\n");
    ASSERT_TRUE(record.Keep(notice)) << notice;
  }
  std::vector<file_system::entry> files;
  disk.List("/state/transcripts", files);
  ASSERT_EQ(files.size(), 3u);
  std::string text;
  ASSERT_FALSE(disk.Read("/state/transcripts/2026-12-04-080000.txt", text));
  EXPECT_EQ(text, "> s\n");
  EXPECT_TRUE(disk.Read("/state/transcripts/2026-12-01-080000.txt", text));  // the oldest: gone

  transcript chosen(disk, "/state/transcripts/2026-12-04-080000.txt");
  chosen.Add("> * added to the end\n");
  ASSERT_TRUE(chosen.Keep(notice));
  ASSERT_FALSE(disk.Read("/state/transcripts/2026-12-04-080000.txt", text));
  EXPECT_EQ(text, "> s\n> * added to the end\n");

  transcript nowhere(disk, "/no/such/folder/transcript.txt");
  nowhere.Add("> s\n");
  EXPECT_FALSE(nowhere.Keep(notice));
  EXPECT_EQ(notice.rfind("Your transcript cannot be kept (/no/such/folder/transcript.txt: ", 0), 0u)
      << notice;
  notice.clear();
  EXPECT_FALSE(nowhere.Keep(notice));
  EXPECT_EQ(notice, "");
}

}  // namespace
}  // namespace quillmore
