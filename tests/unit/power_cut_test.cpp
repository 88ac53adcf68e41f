// The promise of progress.h: a power cut loses at most the line being typed. A game is played on
// a disk that cuts the power before each of its calls in turn, and keeps, of what had not been
// made to survive, nothing, some or all; then --continue must find whole lines, every line the
// game was told was kept and perhaps the one being kept, and never a file it cannot read.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fault_injection_file_system.h"
#include "game/progress.h"
#include "game/save_format.h"

namespace quillmore {
namespace {

using survivors = fault_injection_file_system::survivors;

constexpr const char* kState = "/home/player/.local/state/quillmore";
constexpr const char* kDataFolder = "/games/data";
const std::string kData = HashKey("the data files");
constexpr const char* kNoGame =
    "There is no unfinished game to continue here, so a new one begins.";

const std::vector<std::string> kLines = {"s\n",     "w\n",         "s\n", "give english coins\n",
                                         "Conor\n", "talk Conor\n"};
constexpr std::size_t kLinesASitting = 3;

std::string Joined(std::size_t count) {
  std::string typed;
  for (std::size_t i = 0; i < count && i < kLines.size(); ++i) {
    typed += kLines[i];
  }
  return typed;
}

// Nothing of what was not made to survive, a byte, more, or everything; and the same for the
// names of the folder.
std::vector<survivors> WhatMaySurvive() {
  std::vector<survivors> all;
  for (const std::size_t folderChanges : {0, 1, 2, 3}) {
    for (const std::size_t bytes : {0, 1, 8, 1000}) {
      all.push_back({.folderChanges = folderChanges, .bytes = bytes});
    }
  }
  return all;
}

// Plays kLines from `first` on, kLinesASitting at a time, each sitting after the first
// continuing the last; the first one continues too when `continuing`. Stops when the disk fails.
// Returns how many lines the game was told were kept.
std::size_t Play(file_system& disk, std::size_t first, bool continuing) {
  std::size_t kept = first;
  std::string notice;
  while (kept < kLines.size()) {
    progress game(disk, kState, kDataFolder, kData);
    if (continuing && game.TakeUp(notice) != Joined(kept)) {
      return kept;
    }
    for (std::size_t sat = 0; sat < kLinesASitting && kept < kLines.size(); ++sat, ++kept) {
      if (!game.Record(kLines[kept], notice)) {
        return kept;
      }
    }
    continuing = true;
  }
  return kept;
}

// What --continue finds after the power came back.
std::string Continued(file_system& disk, std::string& notice) {
  progress later(disk, kState, kDataFolder, kData);
  return later.TakeUp(notice);
}

std::string Log(const fault_injection_file_system& disk) {
  std::string log;
  for (const std::string& call : disk.Calls()) {
    log += "  " + call + "\n";
  }
  return log;
}

TEST(PowerCut, LosesAtMostTheLineBeingKeptAndLeavesWholeLines) {
  int cuts = 0;
  for (int at = 0;; ++at) {
    for (const survivors kept : WhatMaySurvive()) {
      fault_injection_file_system disk;
      disk.CutPowerAt(at, kept);
      const std::size_t told = Play(disk, 0, false);
      if (!disk.PowerWasCut()) {
        EXPECT_GT(cuts, 20) << "the game made fewer calls than expected:\n" << Log(disk);
        return;
      }
      ++cuts;
      disk.PowerOn();
      std::string notice;
      const std::string typed = Continued(disk, notice);
      SCOPED_TRACE("power cut before call " + std::to_string(at) + ", keeping " +
                   std::to_string(kept.folderChanges) + " changes of names and " +
                   std::to_string(kept.bytes) + " bytes not synced; calls made:\n" + Log(disk));
      ASSERT_TRUE(typed == Joined(told) || typed == Joined(told + 1))
          << told << " lines kept, continued with \"" << typed << "\"";
      ASSERT_TRUE(notice.empty() || (told == 0 && notice == kNoGame)) << notice;
    }
  }
}

// The first line of a new game goes into a file written aside, which is put in its place only
// once it is on the disk: a power cut leaves the old game the last, or the new one whole.
TEST(PowerCut, ANewGameAppearsWholeOrNotAtAll) {
  const std::string old = "n\ne\n";
  for (int at = 0;; ++at) {
    for (const survivors kept : WhatMaySurvive()) {
      fault_injection_file_system disk;
      {
        progress earlier(disk, kState, kDataFolder, kData);
        std::string notice;
        ASSERT_TRUE(earlier.Record("n\n", notice) && earlier.Record("e\n", notice));
      }
      disk.CutPowerAt(static_cast<int>(disk.Calls().size()) + at, kept);
      const std::size_t told = Play(disk, 0, false);
      if (!disk.PowerWasCut()) {
        return;
      }
      disk.PowerOn();
      std::string notice;
      const std::string typed = Continued(disk, notice);
      SCOPED_TRACE("power cut before call " + std::to_string(at) + " of the new game, keeping " +
                   std::to_string(kept.folderChanges) + " changes of names and " +
                   std::to_string(kept.bytes) + " bytes not synced; calls made:\n" + Log(disk));
      ASSERT_TRUE(typed == (told == 0 ? old : Joined(told)) || typed == Joined(told + 1))
          << told << " lines kept, continued with \"" << typed << "\"";
      ASSERT_EQ(notice, "");
    }
  }
}

// Undo rewrites the game's file aside and renames it over the old one: a power cut leaves the
// game as it was before the undo, or as it is after it, never a mixture.
TEST(PowerCut, TakingBackLeavesTheGameBeforeOrAfterWhole) {
  const std::string before = Joined(kLines.size());
  const std::string after = Joined(kLines.size() - 2);
  for (int at = 0;; ++at) {
    for (const survivors kept : WhatMaySurvive()) {
      fault_injection_file_system disk;
      std::string notice;
      progress game(disk, kState, kDataFolder, kData);
      for (const std::string& line : kLines) {
        ASSERT_TRUE(game.Record(line, notice));
      }
      disk.CutPowerAt(static_cast<int>(disk.Calls().size()) + at, kept);
      const bool told = game.Rewrite(after, notice);
      if (!disk.PowerWasCut()) {
        return;
      }
      disk.PowerOn();
      const std::string typed = Continued(disk, notice);
      SCOPED_TRACE("power cut before call " + std::to_string(at) + " of the undo, keeping " +
                   std::to_string(kept.folderChanges) + " changes of names and " +
                   std::to_string(kept.bytes) + " bytes not synced; calls made:\n" + Log(disk));
      ASSERT_TRUE(typed == after || (!told && typed == before))
          << "continued with \"" << typed << "\"";
      ASSERT_EQ(notice, "");
    }
  }
}

}  // namespace
}  // namespace quillmore
