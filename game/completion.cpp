#include "game/completion.h"

#include <algorithm>
#include <cctype>

#include "game/command_words.h"
#include "world/world.h"

namespace quillmore {

namespace {

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& letter : lower) {
    letter = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
  }
  return lower;
}

// What the argument of a command names, or kCommand when the command takes none.
wanted ArgumentOf(command which) {
  switch (which) {
    case command::kGet:
      return wanted::kObjectHere;
    case command::kDrop:
    case command::kGive:
      return wanted::kObjectCarried;
    case command::kLook:
      return wanted::kObjectSeen;
    case command::kTalk:
      return wanted::kPerson;
    default:
      return wanted::kCommand;
  }
}

void AddObjects(const world& game, slot_list items, std::vector<std::string>& names) {
  for (const int item : items) {
    names.push_back(game.ObjectAt(item).name);
  }
}

// Every name that may stand where the game waits for `what`.
std::vector<std::string> NamesFor(const world& game, wanted what) {
  std::vector<std::string> names;
  const int here = game.CurrentRoom();
  switch (what) {
    case wanted::kCommand:
      names.assign(CommandNames().begin(), CommandNames().end());
      break;
    case wanted::kObjectHere:
      AddObjects(game, game.ObjectsIn(here), names);
      break;
    case wanted::kObjectSeen:
      AddObjects(game, game.ObjectsIn(here), names);
      AddObjects(game, game.Inventory(), names);
      break;
    case wanted::kObjectCarried:
      AddObjects(game, game.Inventory(), names);
      break;
    case wanted::kPerson:
      for (const int member : game.PeopleIn(here)) {
        names.push_back(game.PersonAt(member).name);
      }
      break;
    case wanted::kAnswer:
    case wanted::kKey:
      break;
  }
  return names;
}

// The names that begin with `typed`, or failing that contain it, in any case; sorted, each once.
std::vector<std::string> Matching(const std::vector<std::string>& names, std::string_view typed) {
  const std::string lowered = Lower(typed);
  std::vector<std::string> found;
  for (const bool anywhere : {false, true}) {
    for (const std::string& name : names) {
      const std::size_t at = Lower(name).find(lowered);
      if (at == 0 || (anywhere && at != std::string::npos)) {
        found.push_back(name);
      }
    }
    if (!found.empty()) {
      break;
    }
  }
  std::sort(found.begin(), found.end());
  found.erase(std::unique(found.begin(), found.end()), found.end());
  return found;
}

}  // namespace

std::string SpelledName(const world& game, wanted what, std::string_view typed) {
  const std::string lowered = Lower(typed);
  std::vector<std::string> matching;
  std::string spelled;
  for (const std::string& name : NamesFor(game, what)) {
    const std::size_t at = Lower(name).find(lowered);
    if (name.find(typed) != std::string::npos) {
      return {};
    }
    if (at != std::string::npos &&
        std::find(matching.begin(), matching.end(), name) == matching.end()) {
      matching.push_back(name);
      spelled = name.substr(at, typed.size());
    }
  }
  return !typed.empty() && matching.size() == 1 ? spelled : std::string();
}

completion Complete(const world& game, wanted what, std::string_view line) {
  completion done;
  if (what != wanted::kCommand) {
    done.candidates = Matching(NamesFor(game, what), line);
    done.names = what != wanted::kAnswer && what != wanted::kKey;
    return done;
  }
  // A command line: its first word is a command; after a command that takes a name, the rest of
  // the line is that name. Words that take none may follow one another ("n e").
  const std::size_t first = line.find_first_not_of(' ');
  const std::size_t blank = line.find(' ', first);  // none when there is no word
  if (first != std::string_view::npos && blank != std::string_view::npos) {
    const wanted argument = ArgumentOf(CommandFor(std::string(line.substr(first, blank - first))));
    if (argument != wanted::kCommand) {
      done.start = blank + 1;
      done.candidates = Matching(NamesFor(game, argument), line.substr(done.start));
      done.names = true;
      return done;
    }
  }
  const std::size_t lastBlank = line.rfind(' ');
  done.start = lastBlank == std::string_view::npos ? 0 : lastBlank + 1;
  done.candidates = Matching(NamesFor(game, wanted::kCommand), line.substr(done.start));
  return done;
}

}  // namespace quillmore
