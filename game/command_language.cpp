#include "game/command_loop.h"
#include "game/help.h"
#include "game/narration.h"
#include "game/talk.h"
#include "story/rules.h"

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
      ShowInventory(io, game);
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

// A successful move describes the room entered.
command_loop::report command_loop::Go(direction way) {
  Narrate(io, game, game.Move(way));
  return report::kGoOn;
}

command_loop::report command_loop::Quit() {
  Say(io, message::kGoodbye);
  return report::kQuit;
}

command_loop::report command_loop::Help() {
  WriteHelp(io);
  return report::kGoOn;
}

// Skips the one character after the command word, normally a blank, then reads the rest of the
// line. When the word ended its line, that character is the line end and the next line is read.
bool command_loop::ReadRestOfLine(std::string& text, wanted what, message prompt) {
  const std::string asked = Text(prompt);
  char skipped = 0;
  return io.ReadCharacter(skipped, what, asked) && io.ReadLine(text, what, asked);
}

// While `text` is empty: asks the question on a line of its own and reads a whole new line.
bool command_loop::AskWhileEmpty(std::string& text, message question, wanted what, message prompt) {
  const std::string asked = Text(prompt);
  while (text.empty()) {
    Say(io, question);
    if (!io.ReadLine(text, what, asked)) {
      return false;
    }
  }
  return true;
}

command_loop::report command_loop::Get() {
  if (ReadRestOfLine(objectName, wanted::kObjectHere, message::kGetWhatPrompt) &&
      AskWhileEmpty(objectName, message::kGetWhat, wanted::kObjectHere, message::kGetWhatPrompt)) {
    Narrate(io, game, game.GetObject(objectName), {.object = objectName});
  }
  return report::kGoOn;
}

command_loop::report command_loop::Drop() {
  if (ReadRestOfLine(objectName, wanted::kObjectCarried, message::kDropWhatPrompt) &&
      AskWhileEmpty(objectName, message::kDropWhat, wanted::kObjectCarried,
                    message::kDropWhatPrompt)) {
    Narrate(io, game, game.DropObject(objectName), {.object = objectName});
  }
  return report::kGoOn;
}

command_loop::report command_loop::Look() {
  const std::string asked = Text(message::kLookAtWhatPrompt);
  char peeked = 0;
  if (!io.ReadCharacter(peeked, wanted::kObjectSeen, asked)) {
    return report::kGoOn;
  }
  if (peeked == '\n') {
    Narrate(io, game, game.LookAt("none"));
  } else if (io.ReadLine(objectName, wanted::kObjectSeen, asked)) {
    Narrate(io, game, game.LookAt(objectName));
    if (BeginsWithWord(objectName, "at")) {
      hints.After(io, "look at");
    }
  }
  return report::kGoOn;
}

command_loop::report command_loop::Give() {
  if (!ReadRestOfLine(objectName, wanted::kObjectCarried, message::kGiveWhatPrompt) ||
      !AskWhileEmpty(objectName, message::kWhatObject, wanted::kObjectCarried,
                     message::kGiveWhatPrompt)) {
    return report::kGoOn;
  }
  Say(io, message::kGiveToWhom);
  const std::string toWhom = Text(message::kGiveToWhomPrompt);
  if (!io.ReadLine(personName, wanted::kPerson, toWhom) ||
      !AskWhileEmpty(personName, message::kEnterAName, wanted::kPerson,
                     message::kGiveToWhomPrompt)) {
    return report::kGoOn;
  }
  happenings log;
  GiveObject(game, objectName, personName, log);
  Narrate(io, game, log, {.object = objectName, .person = personName});
  return report::kGoOn;
}

command_loop::report command_loop::Talk() {
  if (!ReadRestOfLine(personName, wanted::kPerson, message::kTalkToWhomPrompt) ||
      !AskWhileEmpty(personName, message::kTalkToWhom, wanted::kPerson,
                     message::kTalkToWhomPrompt)) {
    return report::kGoOn;
  }
  io.Line();
  const bool won = TalkTo(game, io, personName);
  if (!won && BeginsWithWord(personName, "to")) {
    hints.After(io, "talk to");
  }
  return won ? report::kWon : report::kGoOn;
}

command_loop::report command_loop::Unrecognised() {
  char peeked = 0;
  if (!io.ReadCharacter(peeked, wanted::kCommand)) {
    return report::kGoOn;
  }
  if (peeked != '\n' && !io.DiscardLine()) {
    return report::kGoOn;
  }
  Say(io, message::kNotAnOption);
  hints.After(io, commandWord);
  return report::kGoOn;
}

}  // namespace quillmore
