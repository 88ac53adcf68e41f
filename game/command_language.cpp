#include "game/command_loop.h"
#include "game/completion.h"
#include "game/help.h"
#include "game/narration.h"
#include "game/talk.h"
#include "story/rules.h"

namespace quillmore {

// Hands back the command's own part of the game, which the caller runs.
task<command_loop::report> command_loop::CarryOut(command which) {
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
      return Inventory();
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

task<command_loop::report> command_loop::Inventory() {
  ShowInventory(io, game);
  co_return report::kGoOn;
}

// A successful move describes the room entered.
task<command_loop::report> command_loop::Go(direction way) {
  Narrate(io, game, game.Move(way));
  co_return report::kGoOn;
}

task<command_loop::report> command_loop::Quit() {
  Say(io, message::kGoodbye);
  co_return report::kQuit;
}

task<command_loop::report> command_loop::Help() {
  WriteHelp(io);
  co_return report::kGoOn;
}

// Skips the one character after the command word, normally a blank, then reads the rest of the
// line as the name. When the word ended its line, that character is the line end and the next
// line is skippedOne. While the name is empty, asks `question` on a line of its own and reads a
// whole new line. (This compiler mishandles co_await in && and ||, so each skippedOne has its own
// if.)
task<bool> command_loop::ReadName(std::string& text, wanted what, message question,
                                  message prompt) {
  const std::string asked = Text(prompt);
  char skipped = 0;
  const bool skippedOne = co_await io.ReadCharacter(skipped, what, asked);
  if (!skippedOne) {
    co_return false;
  }
  const bool lineRead = co_await io.ReadLine(text, what, asked);
  if (!lineRead) {
    co_return false;
  }
  const bool named = co_await AskWhileEmpty(text, question, what, prompt);
  co_return named;
}

task<bool> command_loop::AskWhileEmpty(std::string& text, message question, wanted what,
                                       message prompt) {
  const std::string asked = Text(prompt);
  while (text.empty()) {
    Say(io, question);
    const bool answered = co_await io.ReadLine(text, what, asked);
    if (!answered) {
      co_return false;
    }
  }
  co_return true;
}

task<command_loop::report> command_loop::Get() {
  const bool named = co_await ReadName(objectName, wanted::kObjectHere, message::kGetWhat,
                                       message::kGetWhatPrompt);
  if (named) {
    Narrate(io, game, game.GetObject(objectName), {.object = objectName});
    NameHint("get ", wanted::kObjectHere, objectName);
  }
  co_return report::kGoOn;
}

task<command_loop::report> command_loop::Drop() {
  const bool named = co_await ReadName(objectName, wanted::kObjectCarried, message::kDropWhat,
                                       message::kDropWhatPrompt);
  if (named) {
    Narrate(io, game, game.DropObject(objectName), {.object = objectName});
    NameHint("drop ", wanted::kObjectCarried, objectName);
  }
  co_return report::kGoOn;
}

task<command_loop::report> command_loop::Look() {
  const std::string asked = Text(message::kLookAtWhatPrompt);
  char peeked = 0;
  const bool peekedOne = co_await io.ReadCharacter(peeked, wanted::kObjectSeen, asked);
  if (!peekedOne) {
    co_return report::kGoOn;
  }
  if (peeked == '\n') {
    Narrate(io, game, game.LookAt("none"));
    co_return report::kGoOn;
  }
  const bool nameRead = co_await io.ReadLine(objectName, wanted::kObjectSeen, asked);
  if (!nameRead) {
    co_return report::kGoOn;
  }
  Narrate(io, game, game.LookAt(objectName));
  NameHint("look ", wanted::kObjectSeen, objectName);
  if (BeginsWithWord(objectName, "at")) {
    hints.After(io, "look at");
  }
  co_return report::kGoOn;
}

task<command_loop::report> command_loop::Give() {
  const bool named = co_await ReadName(objectName, wanted::kObjectCarried, message::kWhatObject,
                                       message::kGiveWhatPrompt);
  if (!named) {
    co_return report::kGoOn;
  }
  Say(io, message::kGiveToWhom);
  const std::string toWhom = Text(message::kGiveToWhomPrompt);
  const bool personRead = co_await io.ReadLine(personName, wanted::kPerson, toWhom);
  if (!personRead) {
    co_return report::kGoOn;
  }
  const bool personNamed = co_await AskWhileEmpty(personName, message::kEnterAName, wanted::kPerson,
                                                  message::kGiveToWhomPrompt);
  if (!personNamed) {
    co_return report::kGoOn;
  }
  happenings log;
  GiveObject(game, objectName, personName, log);
  Narrate(io, game, log, {.object = objectName, .person = personName});
  GiveHints();
  co_return report::kGoOn;
}

task<command_loop::report> command_loop::Talk() {
  const bool named = co_await ReadName(personName, wanted::kPerson, message::kTalkToWhom,
                                       message::kTalkToWhomPrompt);
  if (!named) {
    co_return report::kGoOn;
  }
  io.Line();
  const bool won = co_await TalkTo(game, io, personName);
  if (!won && BeginsWithWord(personName, "to")) {
    hints.After(io, "talk to");
  }
  if (!won) {
    NameHint("talk ", wanted::kPerson, personName);
  }
  co_return won ? report::kWon : report::kGoOn;
}

// A name that failed only for its capitals.
void command_loop::NameHint(std::string_view command, wanted what, std::string_view name) {
  const std::string spelled = SpelledName(game, what, name);
  if (!spelled.empty()) {
    hint_book::AfterName(io, std::string(command) + spelled);
  }
}

// After a give that failed: a thing named with its person, or names in other capitals.
void command_loop::GiveHints() {
  hint_book::AfterGive(io, objectName);
  const std::string thing = SpelledName(game, wanted::kObjectCarried, objectName);
  const std::string person = SpelledName(game, wanted::kPerson, personName);
  if (!thing.empty() || !person.empty()) {
    hint_book::AfterName(io, "give " + (thing.empty() ? objectName : thing) + ", then " +
                                 (person.empty() ? personName : person));
  }
}

task<command_loop::report> command_loop::Unrecognised() {
  char peeked = 0;
  const bool peekedOne = co_await io.ReadCharacter(peeked, wanted::kCommand);
  if (!peekedOne) {
    co_return report::kGoOn;
  }
  if (peeked != '\n') {
    const bool discarded = co_await io.DiscardLine();
    if (!discarded) {
      co_return report::kGoOn;
    }
  }
  Say(io, message::kNotAnOption);
  hints.After(io, commandWord);
  co_return report::kGoOn;
}

}  // namespace quillmore
