#include "console/console.h"
#include "game/command_loop.h"
#include "game/help.h"

namespace quillmore {

command_loop::report command_loop::CarryOut(command which) {
  switch (which) {
    case command::kNorth:
      return Go(direction::kNorth);
    case command::kSouth:
      return Go(direction::kSouth);
    case command::kEast:
      return Go(direction::kEast);
    case command::kWest:
      return Go(direction::kWest);
    case command::kQuit:
      return Quit();
    case command::kInventory:
      game.ShowInventory();
      return report::kGoOn;
    case command::kGet:
      return Get();
    case command::kGive:
      return Give();
    case command::kTalk:
      return Talk();
    case command::kDrop:
      return Drop();
    case command::kLook:
      return Look();
    case command::kCommands:
      return Help();
    case command::kUnknown:
      break;
  }
  return Unrecognised();
}

// A failed move has written its line already; a successful one is described by the loop.
command_loop::report command_loop::Go(direction way) {
  return game.Move(way) == nullptr ? report::kGoOn : report::kMoved;
}

command_loop::report command_loop::Quit() {
  io.Line();
  io.Line("Goodbye!");
  io.Line();
  return report::kQuit;
}

command_loop::report command_loop::Help() {
  WriteHelp(io);
  return report::kGoOn;
}

// Skips the one character after the command word, normally a blank, then reads the rest of the
// line. When the word ended its line, that character is the line end and the next line is read.
bool command_loop::ReadRestOfLine(std::string& text, wanted what) {
  char skipped = 0;
  return io.ReadCharacter(skipped, what) && io.ReadLine(text, what);
}

command_loop::report command_loop::Get() {
  if (ReadRestOfLine(objectName, wanted::kObjectHere)) {
    game.GetObject(objectName);
  }
  return report::kGoOn;
}

command_loop::report command_loop::Drop() {
  if (ReadRestOfLine(objectName, wanted::kObjectCarried)) {
    game.DropObject(objectName);
  }
  return report::kGoOn;
}

command_loop::report command_loop::Look() {
  char peeked = 0;
  if (!io.ReadCharacter(peeked, wanted::kObjectSeen)) {
    return report::kGoOn;
  }
  if (peeked == '\n') {
    game.LookAt("none");
  } else if (io.ReadLine(objectName, wanted::kObjectSeen)) {
    game.LookAt(objectName);
  }
  return report::kGoOn;
}

command_loop::report command_loop::Give() {
  if (!ReadRestOfLine(objectName, wanted::kObjectCarried) ||
      !io.AskWhileEmpty(objectName, "Sorry, what object?", wanted::kObjectCarried)) {
    return report::kGoOn;
  }
  io.Line("To whom? ");
  if (!io.ReadLine(personName, wanted::kPerson) ||
      !io.AskWhileEmpty(personName, "You need to enter a name.", wanted::kPerson)) {
    return report::kGoOn;
  }
  game.GiveObject(objectName, personName);
  return report::kGoOn;
}

command_loop::report command_loop::Talk() {
  if (!ReadRestOfLine(personName, wanted::kPerson) ||
      !io.AskWhileEmpty(personName, "To whom?", wanted::kPerson)) {
    return report::kGoOn;
  }
  io.Line();
  return game.TalkTo(personName) ? report::kWon : report::kGoOn;
}

command_loop::report command_loop::Unrecognised() {
  char peeked = 0;
  if (!io.ReadCharacter(peeked, wanted::kCommand)) {
    return report::kGoOn;
  }
  if (peeked != '\n' && !io.DiscardLine()) {
    return report::kGoOn;
  }
  io.Line("That is not an option. Type in 'Commands' to see the list of what you can do. ");
  return report::kGoOn;
}

}  // namespace quillmore
