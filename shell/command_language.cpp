#include <iostream>

#include "shell/command_loop.h"
#include "shell/help.h"
#include "world/direction.h"
#include "world/player_input.h"

void command_loop::CarryOut(command which) {
  switch (which) {
    case command::kNorth:
      return StartMove(kNorth);
    case command::kSouth:
      return StartMove(kSouth);
    case command::kEast:
      return StartMove(kEast);
    case command::kWest:
      return StartMove(kWest);
    case command::kQuit:
      return Quit();
    case command::kInventory:
      return game.ShowInventory();
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
      return WriteHelp();
    case command::kUnknown:
      return Unrecognised();
  }
}

void command_loop::StartMove(int code) {
  direction = code;
  movePending = true;
}

void command_loop::Quit() {
  std::cout << std::endl << "Goodbye!" << std::endl << std::endl;
  done = true;
}

// Skips the one character after the command word, normally a blank, then reads the rest of the
// line. When the word ended its line, that character is the line end and the next line is read.
bool command_loop::ReadRestOfLine(std::string& text) {
  char skipped = 0;
  return ReadCharacter(skipped) && ReadLine(text);
}

void command_loop::Get() {
  if (ReadRestOfLine(objectName)) {
    game.GetObject(objectName);
  }
}

void command_loop::Drop() {
  if (ReadRestOfLine(objectName)) {
    game.DropObject(objectName);
  }
}

void command_loop::Look() {
  char peeked = 0;
  if (!ReadCharacter(peeked)) {
    return;
  }
  if (peeked == '\n') {
    game.LookAt("none");
  } else if (ReadLine(objectName)) {
    game.LookAt(objectName);
  }
}

void command_loop::Give() {
  if (!ReadRestOfLine(objectName) || !AskWhileEmpty(objectName, "Sorry, what object?")) {
    return;
  }
  std::cout << "To whom? " << std::endl;
  if (!ReadLine(personName) || !AskWhileEmpty(personName, "You need to enter a name.")) {
    return;
  }
  game.GiveObject(objectName, personName);
}

void command_loop::Talk() {
  if (!ReadRestOfLine(personName) || !AskWhileEmpty(personName, "To whom?")) {
    return;
  }
  std::cout << std::endl;
  won = game.TalkTo(personName);
}

void command_loop::Unrecognised() {
  char peeked = 0;
  if (!ReadCharacter(peeked)) {
    return;
  }
  if (peeked != '\n' && !DiscardLine()) {
    return;
  }
  std::cout << "That is not an option. Type in 'Commands' to see the list of what you can do. "
            << std::endl;
}
