#ifndef QUILLMORE_STORY_CONVERSATION_H_
#define QUILLMORE_STORY_CONVERSATION_H_

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>

#include "world/person.h"

namespace quillmore {

// A conversation is data: what a person says at which stages, the question he or she may put to
// the player, and whether the talk has moved the story on. One runner in the game plays any of
// them. Texts are written exactly as the game prints them, line ends included: an utterance
// ends with an empty line ("\n\n") unless it runs straight on ("\n"). A line the game writes as
// several pieces is kept as adjacent literals, one a piece, each but the last ending in a blank.

// A set of errand stages.
class quest_stages {
 public:
  constexpr quest_stages(std::initializer_list<quest_stage> stages) {
    for (const quest_stage stage : stages) {
      Add(stage);
    }
  }
  constexpr void Add(quest_stage stage) { bits = static_cast<std::uint8_t>(bits | Bit(stage)); }
  constexpr bool Has(quest_stage stage) const { return (bits & Bit(stage)) != 0; }
  constexpr bool Empty() const { return bits == 0; }

 private:
  static constexpr std::uint8_t Bit(quest_stage stage) {
    return static_cast<std::uint8_t>(1U << static_cast<unsigned>(stage));
  }
  std::uint8_t bits = 0;
};

// When a branch is taken: the person's gift stage is `gift`, if given, and the errand stage one
// of `quest`, if any are given.
struct condition {
  std::optional<gift_stage> gift = {};
  quest_stages quest = {};
};

// What the person answers to the player's a or b.
struct reply {
  const char* says = "";
  bool clearsGift = false;  // the gift stage goes back to none
  bool succeeds = false;    // the story step the talk guards has happened
};

// A two-choice question: the menu's option lines, the line the person complains with at any
// other character, and the reply to each answer.
struct question {
  const char* optionA;
  const char* optionB;
  const char* complaint;
  reply a;
  reply b;
};

// One branch of a conversation. The branches are tried in order and the first that holds is
// taken: the person says `says`, then asks, if there is a question. A branch that `goesOn` lets
// the next one that holds be taken too.
struct branch {
  condition when = {};
  const char* says = "";
  bool clearsGift = false;
  bool succeeds = false;
  const question* asks = nullptr;
  bool goesOn = false;
  int line = 0;  // where the branch begins in story.txt
};

using conversation = std::span<const branch>;

}  // namespace quillmore

#endif  // QUILLMORE_STORY_CONVERSATION_H_
