#include "tools/check/exploration_report.h"

#include <cstdio>

#include "tools/check/play_graph.h"

namespace quillmore {

namespace {

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

std::string Commands(std::size_t count) {
  return std::to_string(count) + (count == 1 ? " command" : " commands");
}

// A whole number with a comma between thousands.
std::string Thousands(std::size_t number) {
  const std::string digits = std::to_string(number);
  std::string grouped;
  for (std::size_t at = 0; at < digits.size(); ++at) {
    if (at > 0 && (digits.size() - at) % 3 == 0) {
      grouped.push_back(',');
    }
    grouped.push_back(digits[at]);
  }
  return grouped;
}

class reporter {
 public:
  reporter(const exploration& found, const world& start, const load_report& loaded)
      : found(found), start(start), loaded(loaded) {}

  exploration_findings Run();

 private:
  void Game(const std::string& message) { result.findings.push_back({{}, 0, message, true}); }
  void Verdicts();
  void Unreached();
  void WaysToLose(const std::vector<lost_way>& ways, const std::string& what,
                  const std::string& none);
  void Cost();
  void Unfinished();
  bool Reachable(int item) const;

  const exploration& found;
  const world& start;
  const load_report& loaded;
  exploration_findings result;
};

exploration_findings reporter::Run() {
  result.unproven = !found.finished;
  Verdicts();
  Unreached();
  // A game that cannot be won has nothing left to lose, and is not said to be safe.
  if (found.finished && found.shortestWin) {
    WaysToLose(found.deadEnds, "the game can no longer be won", "no command can lose the game");
  }
  if (found.finished && found.shortestWinWithDrinks) {
    WaysToLose(found.sideQuestEnds, "every pub drink can no longer be carried at the win",
               "no command can lose the side quest");
  }
  Cost();
  if (!found.finished) {
    Unfinished();
  }
  return result;
}

void reporter::Unfinished() {
  std::string hard;
  for (const auto& [longer, shorter] : found.tiedNames) {
    hard += (hard.empty() ? "" : ", ") + Quoted(longer) + " holds " + Quoted(shorter);
  }
  result.last.push_back({{},
                         0,
                         "the search did not finish: it stopped after " +
                             Thousands(found.stoppedAfter) +
                             " states, so only what is said above is proven" +
                             (hard.empty() ? "" : "; the names that made it large: " + hard) +
                             "; --max-states raises the limit",
                         true});
}

void reporter::Verdicts() {
  const std::string unproven =
      ": not proven, the search stopped after " + Thousands(found.stoppedAfter) + " states";
  if (found.shortestWin) {
    Game("the game can be won in " + Commands(found.shortestWin->size()));
  } else if (found.finished) {
    Game("the game cannot be won: no play reaches the conversation that ends it");
    result.lost = true;
  } else {
    Game("whether the game can be won" + unproven);
  }
  if (found.shortestWinWithDrinks && !found.drinksWinShortest) {
    Game("the game can be won with every pub drink in " +
         Commands(found.shortestWinWithDrinks->size()) + "; whether in fewer" + unproven);
  } else if (found.shortestWinWithDrinks) {
    Game("the game can be won with every pub drink in " +
         Commands(found.shortestWinWithDrinks->size()));
  } else if (found.finished) {
    Game("the game cannot be won with every pub drink");
    result.lost = true;
  } else {
    Game("whether the game can be won with every pub drink" + unproven);
  }
}

// An object the search leaves where it lies is reached when it starts with the player or lies
// in a room the player reaches; a nameless one cannot be picked up.
bool reporter::Reachable(int item) const {
  if (found.objectsReached[static_cast<std::size_t>(item)]) {
    return true;
  }
  if (start.ObjectAt(item).name.empty()) {
    return false;
  }
  for (int place = 0; place < start.RoomCount(); ++place) {
    for (const int lying : start.ObjectsIn(place)) {
      if (lying == item && found.roomsReached[static_cast<std::size_t>(place)]) {
        return true;
      }
    }
  }
  return false;
}

// Places out of play's reach are those no exit leads to, which the checks above report.
void reporter::Unreached() {
  if (!found.finished) {
    return;
  }
  const std::vector<int>& objectStarts = loaded.RecordStarts(data_file::kObjects);
  for (int item = 0; item < start.ObjectCount(); ++item) {
    if (!Reachable(item)) {
      result.findings.push_back(
          {data_file::kObjects, objectStarts[static_cast<std::size_t>(item)],
           Quoted(start.ObjectAt(item).name) + " is within the player's reach in no play"});
    }
  }
  const std::vector<int>& personStarts = loaded.RecordStarts(data_file::kPeople);
  for (int someone = 0; someone < start.PeopleCount(); ++someone) {
    if (!found.peopleMet[static_cast<std::size_t>(someone)]) {
      result.findings.push_back({data_file::kPeople,
                                 personStarts[static_cast<std::size_t>(someone)],
                                 Quoted(start.PersonAt(someone).name) + " is met in no play"});
    }
  }
}

void reporter::WaysToLose(const std::vector<lost_way>& ways, const std::string& what,
                          const std::string& none) {
  if (ways.empty()) {
    Game(none);
    return;
  }
  result.lost = true;
  for (const lost_way& way : ways) {
    Game(what + " after " + OneLine(way.closedBy) + " (the shortest way there, " +
         Commands(way.shortest.size()) + ": " + OneLine(way.shortest) + ")");
  }
}

void reporter::Cost() {
  char seconds[32];
  std::snprintf(seconds, sizeof seconds, "%.2f", found.seconds);
  const auto all = static_cast<double>(found.states + found.statesWithDrinks);
  const double rate = found.seconds > 0 ? all / found.seconds : 0;
  Game(Thousands(found.states) + " states of play, " + Thousands(found.statesWithDrinks) +
       " with the pub drinks the player carries, searched in " + seconds + " s (" +
       Thousands(static_cast<std::size_t>(rate)) + " states a second)" +
       (found.dropsTried ? "; a room leads nowhere back, so every drop was tried" : ""));
}

}  // namespace

exploration_findings Report(const exploration& found, const world& start,
                            const load_report& loaded) {
  return reporter(found, start, loaded).Run();
}

std::string OneLine(const play& commands) {
  std::string text;
  for (const typed_command& command : commands) {
    text += (text.empty() ? "" : "; ") + OneLine(command);
  }
  return text;
}

std::string Walkthrough(const play& commands) {
  std::string text;
  for (const typed_command& command : commands) {
    for (const std::string& line : command) {
      text += line + "\n";
    }
  }
  return text + "x\n";
}

}  // namespace quillmore
