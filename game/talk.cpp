#include "game/talk.h"

#include <cctype>

#include "game/narration.h"
#include "story/rules.h"

namespace quillmore {

namespace {

// Plays the conversation: the first branch that holds, and the next that holds after any that
// goes on. Returns whether the talk moved the story on.
task<bool> Converse(world& game, console& io, int speaker, conversation talk) {
  bool succeeded = false;
  for (const branch& taken : talk) {
    if (!Holds(taken.when, game, speaker)) {
      continue;
    }
    Say(io, taken.says);
    reply said{.clearsGift = taken.clearsGift, .succeeds = taken.succeeds};
    if (taken.asks != nullptr) {
      const char answer = co_await AskChoice(io, *taken.asks);
      if (answer == kNoAnswer) {
        co_return false;
      }
      said = answer == 'a' ? taken.asks->a : taken.asks->b;
      Say(io, said.says);
    }
    if (said.clearsGift) {
      game.SetGiftStage(speaker, gift_stage::kNone);
    }
    succeeded = said.succeeds;
    if (!taken.goesOn) {
      break;
    }
  }
  co_return succeeded;
}

}  // namespace

task<bool> TalkTo(world& game, console& io, std::string_view typed) {
  const int speaker = game.FindPersonHere(typed);
  if (speaker == kNone) {
    Narrate(io, game, {happened::kNobodyToTalkTo});
    co_return false;
  }
  // The conversation is chosen by the exact full name, so a person never runs the conversation
  // of someone whose name his contains.
  const role* part = RoleOf(game, game.PersonAt(speaker).name);
  if (part == nullptr) {
    co_return false;
  }
  happenings log;
  BeforeTalk(game, speaker, *part, log);
  Narrate(io, game, log);
  const bool movedOn = co_await Converse(game, io, speaker, part->talk);
  if (movedOn) {
    log.clear();
    AfterTalk(game, speaker, *part, log);
    Narrate(io, game, log);
  }
  co_return part->winsGame;
}

task<char> AskChoice(console& io, const question& asked) {
  Say(io, message::kResponse);
  io.Line(asked.optionA);
  io.Line(asked.optionB);
  io.Line();
  const std::string prompt = Text(message::kAnswerPrompt);
  char answer = kNoAnswer;
  for (;;) {
    const bool read = co_await io.ReadAnswer(answer, prompt);
    if (!read) {
      co_return kNoAnswer;
    }
    if (answer == 'a' || answer == 'b') {
      co_return answer;
    }
    io.Line(asked.complaint);
  }
}

bool AnswerLine(std::string_view typed, std::string& given) {
  const std::size_t first = typed.find_first_not_of(" \t\r\n");
  const std::size_t last = typed.find_last_not_of(" \t\r\n");
  if (first == std::string_view::npos || first != last) {
    return false;
  }
  const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(typed[first])));
  if (letter != 'a' && letter != 'b') {
    return false;
  }
  given.assign(1, letter).push_back('\n');
  return true;
}

}  // namespace quillmore
