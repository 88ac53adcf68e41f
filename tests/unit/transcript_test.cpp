// The transcripts kept at a terminal: the newest few, each written as the game waits.

#include "terminal/transcript.h"

#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <vector>

#include "fault_injection_file_system.h"

namespace quillmore {
namespace {

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
  const std::vector<std::string> names = {"2026-12-07-230000-2.txt",   "notes.txt",
                                          "2026-12-08-090000.txt",     "2026-12-07-230000.txt",
                                          "2026-12-07-230000-10.txt",  "2026-1-7.txt",
                                          "2026-12-06-120000.txt.bak", "2026-12-06-1200aa.txt",
                                          "2026-12-06-120000x.txt",    "2026-12-06-120000-1.txt"};
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
