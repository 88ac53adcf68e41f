#include "tools/check/skipped_errands.h"

#include "story/story.h"
#include "tools/check/silent_player.h"

namespace quillmore {

namespace {

// By person slot: whether the person's errand or gift stage differs between the two worlds.
void NoteChanged(const world& before, const world& after, std::vector<bool>& changed) {
  for (int someone = 0; someone < before.PeopleCount(); ++someone) {
    if (before.QuestStage(someone) != after.QuestStage(someone) ||
        before.GiftStage(someone) != after.GiftStage(someone)) {
      changed[static_cast<std::size_t>(someone)] = true;
    }
  }
}

}  // namespace

std::set<std::string> SkippedErrands(const world& start, const exploration& found) {
  std::set<std::string> skipped;
  if (!found.shortestWin) {
    return skipped;
  }
  std::vector<bool> changed(static_cast<std::size_t>(start.PeopleCount()), false);
  world game = start;
  silent_player player;
  for (const typed_command& command : *found.shortestWin) {
    std::string typed;
    for (const std::string& line : command) {
      typed += line + "\n";
    }
    const world before = game;
    std::size_t read = 0;
    player.Play(game, typed, read);
    NoteChanged(before, game, changed);
  }
  for (const role& part : Cast(start)) {
    bool touched = part.winsGame;
    for (int someone = 0; someone < start.PeopleCount(); ++someone) {
      touched = touched || (changed[static_cast<std::size_t>(someone)] &&
                            start.PersonAt(someone).name == part.name);
    }
    if (!touched) {
      skipped.insert(part.name);
    }
  }
  return skipped;
}

}  // namespace quillmore
