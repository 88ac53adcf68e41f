#include "game/help.h"

#include "console/console.h"

namespace quillmore {

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

void WriteHelp(console& io) {
  for (const char* line : kHelpLines) {
    io.Line(line);
  }
  if (!io.AfterCommands().empty()) {
    io.Line(io.AfterCommands());
  }
}

}  // namespace quillmore
