#include "game/command_words.h"

namespace quillmore {

namespace {

struct command_word {
  const char* word;
  command meaning;
};

constexpr command_word kCommandWords[] = {
    {"N", command::kNorth},
    {"n", command::kNorth},
    {"North", command::kNorth},
    {"north", command::kNorth},
    {"S", command::kSouth},
    {"s", command::kSouth},
    {"South", command::kSouth},
    {"south", command::kSouth},
    {"E", command::kEast},
    {"e", command::kEast},
    {"East", command::kEast},
    {"east", command::kEast},
    {"W", command::kWest},
    {"w", command::kWest},
    {"West", command::kWest},
    {"west", command::kWest},
    {"Q", command::kQuit},
    {"q", command::kQuit},
    {"Quit", command::kQuit},
    {"quit", command::kQuit},
    {"I", command::kInventory},
    {"i", command::kInventory},
    {"Inventory", command::kInventory},
    {"inventory", command::kInventory},
    {"G", command::kGet},
    {"g", command::kGet},
    {"Get", command::kGet},
    {"get", command::kGet},
    {"Give", command::kGive},
    {"give", command::kGive},
    {"T", command::kTalk},
    {"t", command::kTalk},
    {"Talk", command::kTalk},
    {"talk", command::kTalk},
    {"D", command::kDrop},
    {"d", command::kDrop},
    {"Drop", command::kDrop},
    {"drop", command::kDrop},
    {"L", command::kLook},
    {"l", command::kLook},
    {"Look", command::kLook},
    {"look", command::kLook},
    {"C", command::kCommands},
    {"c", command::kCommands},
    {"Commands", command::kCommands},
    {"commands", command::kCommands},
};

}  // namespace

command CommandFor(const std::string& word) {
  for (const command_word& entry : kCommandWords) {
    if (word == entry.word) {
      return entry.meaning;
    }
  }
  return command::kUnknown;
}

std::span<const char* const> CommandNames() {
  static constexpr const char* kNames[] = {
      "north", "south", "east", "west", "quit", "inventory",
      "get",   "give",  "talk", "drop", "look", "commands",
  };
  return kNames;
}

}  // namespace quillmore
