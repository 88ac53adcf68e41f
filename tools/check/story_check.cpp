#include "tools/check/story_check.h"

#include "game/story_problems.h"
#include "tools/check/edit_distance.h"

namespace quillmore {

namespace {

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

// The names a problem's text may have been meant as.
std::vector<std::string> Candidates(const world& game, story_fault what) {
  std::vector<std::string> names;
  if (what == story_fault::kUnknownPlace) {
    for (int place = 0; place < game.RoomCount(); ++place) {
      names.push_back(game.RoomAt(place).name);
    }
  } else if (what == story_fault::kUnknownPerson || what == story_fault::kNotInPeople) {
    for (int someone = 0; someone < game.PeopleCount(); ++someone) {
      names.push_back(game.PersonAt(someone).name);
    }
  } else if (what == story_fault::kUnknownObject) {
    for (int item = 0; item < game.ObjectCount(); ++item) {
      names.push_back(game.ObjectAt(item).name);
    }
  }
  return names;
}

// "; did you mean "NAME"?" for the nearest name, when it is near enough: at most one edit for
// every three letters of the text.
std::string DidYouMean(const world& game, const story_problem& found) {
  std::string best;
  std::size_t fewest = found.text.size() / 3 + 1;
  for (const std::string& name : Candidates(game, found.what)) {
    const std::size_t edits = EditsToContain(name, found.text);
    if (edits < fewest && name != found.text) {
      best = name;
      fewest = edits;
    }
  }
  return best.empty() ? "" : "; did you mean " + Quoted(best) + "?";
}

// Whether the earlier branch, which does not go on, is taken whenever the later one would be.
bool Covers(const branch& earlier, const branch& later) {
  if (earlier.goesOn || (earlier.when.gift && earlier.when.gift != later.when.gift)) {
    return false;
  }
  if (earlier.when.quest.Empty()) {
    return true;
  }
  if (later.when.quest.Empty()) {
    return false;
  }
  for (const quest_stage stage :
       {quest_stage::kDone, quest_stage::kOpen, quest_stage::kWaiting, quest_stage::kIdle}) {
    if (later.when.quest.Has(stage) && !earlier.when.quest.Has(stage)) {
      return false;
    }
  }
  return true;
}

void CheckSays(const role& part, std::vector<finding>& findings) {
  for (std::size_t later = 1; later < part.talk.size(); ++later) {
    for (std::size_t earlier = 0; earlier < later; ++earlier) {
      if (Covers(part.talk[earlier], part.talk[later])) {
        findings.push_back({data_file::kStory, part.talk[later].line,
                            StoryProblemText({data_file::kStory, part.talk[later].line,
                                              story_fault::kNeverSaid, ""})});
        break;
      }
    }
  }
}

void CheckPeopleSay(const world& game, const story& told, const load_report& loaded,
                    std::vector<finding>& findings) {
  const std::vector<int>& starts = loaded.RecordStarts(data_file::kPeople);
  for (int someone = 0; someone < game.PeopleCount(); ++someone) {
    const std::string& name = game.PersonAt(someone).name;
    if (told.RoleOf(name) == nullptr && static_cast<std::size_t>(someone) < starts.size()) {
      const int line = starts[static_cast<std::size_t>(someone)];
      findings.push_back(
          {data_file::kPeople, line,
           StoryProblemText({data_file::kPeople, line, story_fault::kSaysNothing, name})});
    }
  }
}

bool LiesIn(const world& game, int item, int place) {
  for (const int there : game.ObjectsIn(place)) {
    if (there == item) {
      return true;
    }
  }
  return false;
}

void CheckDrinks(const world& game, const story& told, std::vector<finding>& findings) {
  for (const drink& counted : told.drinks) {
    const int place = counted.from.empty() ? kNone : game.RoomByName(counted.from);
    int item = kNone;
    for (int each = 0; each < game.ObjectCount() && item == kNone; ++each) {
      item = game.ObjectAt(each).HasName(counted.name) ? each : kNone;
    }
    if (place != kNone && item != kNone && !LiesIn(game, item, place)) {
      findings.push_back({data_file::kStory, counted.line,
                          StoryProblemText({data_file::kStory, counted.line,
                                            story_fault::kDrinkElsewhere, counted.name})});
    }
  }
}

}  // namespace

std::vector<finding> CheckStory(const world& game, const story& told, const load_report& loaded) {
  std::vector<finding> findings;
  for (const story_problem& found : loaded.storyProblems) {
    findings.push_back({found.file, found.line, StoryProblemText(found) + DidYouMean(game, found)});
  }
  if (!told.ownStory) {
    return findings;
  }
  for (const role& part : told.cast) {
    CheckSays(part, findings);
  }
  if (game.RoomCount() > 0 && game.PeopleCount() + game.ObjectCount() > 0) {
    CheckPeopleSay(game, told, loaded, findings);
    CheckDrinks(game, told, findings);
  }
  return findings;
}

}  // namespace quillmore
