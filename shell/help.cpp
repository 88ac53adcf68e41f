#include "shell/help.h"

#include <iostream>

namespace {

constexpr const char* kHelpLines[] = {
    "",
    "Commands:",
    "----------",
    "north",
    "south",
    "east",
    "west",
    "inventory",
    "look",
    "look <object name>",
    "talk <person name>",
    "get <object name>",
    "drop <object name>",
    "give <object name>",
    "quit",
    "",
    "",
    "All commands except 'give' can also be typed as just their first letter.",
    "",
};

}  // namespace

void WriteHelp() {
  for (const char* line : kHelpLines) {
    std::cout << line << std::endl;
  }
}
