// The transcripts kept at a terminal: the newest few, each written as the game waits.

#include "game/transcript.h"

#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <vector>

#include "fault_injection_file_system.h"
#include "fixed_platform.h"

namespace quillmore {
namespace {

constexpr const char* kFolder = "/state/transcripts";

std::vector<std::string> Names(fault_injection_file_system& disk) {
  std::vector<file_system::entry> files;
  disk.List(kFolder, files);
  std::vector<std::string> names;
  for (const file_system::entry& each : files) {
    names.push_back(each.name);
  }
  return names;
}

TEST(Transcripts, TheNewestAreKeptByNumberAndNothingElseIsTouched) {
  EXPECT_EQ(TranscriptName(12, At(7, 23)), "12-2026-12-07-230000.txt");
  const std::vector<std::string> names = {
      "2-2026-12-07-230000.txt",   "notes.txt",
      "10-2026-12-01-090000.txt",  "1-2026-12-08-230000.txt",
      "2026-12-07-230000.txt",     "3-2026-1-7.txt",
      "4-2026-12-06-120000.txt.b", "x-2026-12-06-120000.txt",
      "5-2026-1x-06-120000.txt",   "99999999999999999999-2026-12-06-120000.txt"};
  // A clock set back gives a later transcript an earlier time: the number still says which.
  EXPECT_EQ(OldTranscripts(names, "10-2026-12-01-090000.txt", 2),
            (std::vector<std::string>{"1-2026-12-08-230000.txt"}));
  // The game's own transcript is never removed.
  EXPECT_EQ(OldTranscripts(names, "1-2026-12-08-230000.txt", 1),
            (std::vector<std::string>{"2-2026-12-07-230000.txt"}));
}

TEST(Transcripts, AreWrittenAsTheGameWaitsAndSaySoOnceWhenTheyCannotBe) {
  fault_injection_file_system disk;
  std::string notice;
  // Two games in one second, and then a clock set back a day.
  for (const std::tm started : {At(4, 8), At(4, 8), At(3, 8), At(2, 8)}) {
    transcript record(disk, kFolder, started, 3);
    record.Add("> s\n");
    ASSERT_TRUE(record.Keep(notice)) << notice;
  }
  EXPECT_EQ(Names(disk),
            (std::vector<std::string>{"2-2026-12-04-080000.txt", "3-2026-12-03-080000.txt",
                                      "4-2026-12-02-080000.txt"}));
  std::string text;
  ASSERT_FALSE(disk.Read("/state/transcripts/4-2026-12-02-080000.txt", text, 100));
  EXPECT_EQ(text, "> s\n");

  transcript chosen(disk, "/state/transcripts/4-2026-12-02-080000.txt");
  chosen.Add("> * added to the end\n");
  ASSERT_TRUE(chosen.Keep(notice));
  ASSERT_FALSE(disk.Read("/state/transcripts/4-2026-12-02-080000.txt", text, 100));
  EXPECT_EQ(text, "> s\n> * added to the end\n");
  // Held by the game that writes it: a second game cannot add to it.
  transcript second(disk, "/state/transcripts/4-2026-12-02-080000.txt");
  second.Add("> n\n");
  EXPECT_FALSE(second.Keep(notice));
  EXPECT_EQ(notice.rfind("Your transcript cannot be kept (/state/transcripts/4-", 0), 0u) << notice;

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
