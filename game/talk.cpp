#include "game/talk.h"

#include <cctype>

#include "game/narration.h"
#include "story/rules.h"

namespace quillmore {

namespace {

// Plays the conversation: the first branch that holds, and the next that holds after any that
// goes on. Returns whether the talk moved the story on.
bool Converse(world& game, console& io, int speaker, conversation talk) {
  bool succeeded = false;
  for (const branch& taken : talk) {
    if (!Holds(taken.when, game, speaker)) {
      continue;
    }
    Say(io, taken.says);
    reply said{.clearsGift = taken.clearsGift, .succeeds = taken.succeeds};
    if (taken.asks != nullptr) {
      const char answer = AskChoice(io, *taken.asks);
      if (answer == kNoAnswer) {
        return false;
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
  return succeeded;
}

}  // namespace

bool TalkTo(world& game, console& io, std::string_view typed) {
  const int speaker = game.FindPersonHere(typed);
  if (speaker == kNone) {
    Narrate(io, game, {happened::kNobodyToTalkTo});
    return false;
  }
  // The conversation is chosen by the exact full name, so a person never runs the conversation
  // of someone whose name his contains.
  const role* part = RoleOf(game, game.PersonAt(speaker).name);
  if (part == nullptr) {
    return false;
  }
  happenings log;
  BeforeTalk(game, speaker, *part, log);
  Narrate(io, game, log);
  if (Converse(game, io, speaker, part->talk)) {
    log.clear();
    AfterTalk(game, speaker, *part, log);
    Narrate(io, game, log);
  }
  return part->winsGame;
}

char AskChoice(console& io, const question& asked) {
  Say(io, message::kResponse);
  io.Line(asked.optionA);
  io.Line(asked.optionB);
  io.Line();
  const std::string prompt = Text(message::kAnswerPrompt);
  char answer = kNoAnswer;
  while (io.ReadAnswer(answer, prompt)) {
    if (answer == 'a' || answer == 'b') {
      return answer;
    }
    io.Line(asked.complaint);
  }
  return kNoAnswer;
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
