#include "game/hints.h"

#include <cctype>

#include "game/command_words.h"

namespace quillmore {

namespace {

// The words that call for each hint, in small letters with a | between them, and what it says at
// a terminal and in the page (the same when the page's is null). {word} stands for the command
// the player meant, in small letters, and {command} for how the player starts the game.
struct hint {
  const char* words;
  const char* atTerminal;
  const char* inPage = nullptr;
};

// The entry for command words typed in capitals, which has no words of its own.
constexpr std::size_t kCapitals = 0;

constexpr hint kHints[] = {
    {"", "(Type commands in small letters: {word}.)"},
    {"x|examine|ex|inspect|read|look at", "(To look at something, type look and its name.)"},
    {"take|pick|grab", "(To pick something up, type get and its name.)"},
    {"go|walk|run|enter", "(Type the direction alone: north, south, east or west, or n, s, e, w.)"},
    {"talk to", "(To talk to someone, type talk and the name, without to.)"},
    {"help|h|?|hint|hints", "(For help, type commands, or just c.)"},
    {"again", "(To do the same again, press Up for the last command, then Enter.)"},
    {"save|restore|load", "(Your game is kept as you play; {command} --continue takes it up.)",
     "(Your game is kept as you play, and goes on when you open the page again.)"},
    {"inv|items", "(To see what you carry, type inventory, or i.)"},
    {"exit|bye|stop", "(To leave the game, type quit, or q.)"},
};

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& letter : lower) {
    letter = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
  }
  return lower;
}

// Whether `word` is one of the words of `words`, which are separated by |.
bool OneOf(std::string_view words, std::string_view word) {
  while (!words.empty()) {
    const std::size_t bar = words.find('|');
    if (words.substr(0, bar) == word) {
      return true;
    }
    words.remove_prefix(bar == std::string_view::npos ? words.size() : bar + 1);
  }
  return false;
}

// The entry that answers `typed`, or std::size(kHints).
std::size_t EntryFor(std::string_view typed) {
  const std::string lower = Lower(typed);
  for (std::size_t entry = kCapitals + 1; entry < std::size(kHints); ++entry) {
    if (OneOf(kHints[entry].words, lower)) {
      return entry;
    }
  }
  return CommandFor(lower) != command::kUnknown ? kCapitals : std::size(kHints);
}

void Fill(std::string& said, std::string_view placeholder, std::string_view text) {
  const std::size_t at = said.find(placeholder);
  if (at != std::string::npos) {
    said.replace(at, placeholder.size(), text);
  }
}

// The hint of `entry` as said where the player types, with {word} filled in from `typed`.
std::string Said(std::size_t entry, const console& io, std::string_view typed) {
  const hint& chosen = kHints[entry];
  std::string said =
      io.Hints() == hints::kPage && chosen.inPage != nullptr ? chosen.inPage : chosen.atTerminal;
  Fill(said, "{word}", Lower(typed));
  Fill(said, "{command}", io.Command());
  return said;
}

// Where a name follows a phrase of its own in the give hint.
constexpr std::string_view kTo = " to ";

}  // namespace

void hint_book::After(console& io, std::string_view typed) {
  static_assert(std::size(kHints) <= kMostHints);
  if (io.Hints() == hints::kNone) {
    return;  // piped play spends nothing on hints
  }
  const std::size_t entry = EntryFor(typed);
  if (entry == std::size(kHints) || given[entry]) {
    return;
  }
  given[entry] = true;
  const std::string said = Said(entry, io, typed);
  io.Line(std::string_view(said));
}

void hint_book::AfterName(console& io, std::string_view command) {
  if (io.Hints() != hints::kNone) {
    io.Line("(Names are typed as they are spelled: ", command, ".)");
  }
}

// The game reads all after give as the thing, and asks To whom? itself.
void hint_book::AfterGive(console& io, std::string_view thing) {
  const std::size_t to = Lower(thing).find(kTo);
  if (io.Hints() == hints::kNone || to == std::string_view::npos || to == 0) {
    return;
  }
  io.Line("(Type give ", thing.substr(0, to), ", then ", thing.substr(to + kTo.size()),
          " when the game asks To whom?)");
}

bool BeginsWithWord(std::string_view name, std::string_view word) {
  if (name.size() < word.size() || (name.size() > word.size() && name[word.size()] != ' ')) {
    return false;
  }
  for (std::size_t at = 0; at < word.size(); ++at) {
    if (std::tolower(static_cast<unsigned char>(name[at])) != word[at]) {
      return false;
    }
  }
  return true;
}

}  // namespace quillmore
