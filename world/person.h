#ifndef QUILLMORE_WORLD_PERSON_H_
#define QUILLMORE_WORLD_PERSON_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "world/name_match.h"

namespace quillmore {

// Where a person stands in the errand chain (`questStage`).
enum class quest_stage : std::int8_t {
  kDone = 0,     // errand done
  kOpen = 1,     // the person the player is to help now
  kWaiting = 2,  // waiting for a delivery (the bar tender only)
  kIdle = 3,     // not yet part of the story
};

// An event the person reacts to at the next talk (`giftStage`).
enum class gift_stage : std::int8_t {
  kNone = 0,
  kReceived = 1,  // the person has just been given what he or she wanted
  kFollowUp = 2,  // something to tell at the next talk
};

// One non-player character, as the people file names him or her. Where the person stands, what
// he or she holds and the two stages are the world's state of play.
struct person {
  std::string name;

  bool HasName(std::string_view text) const { return NameContains(name, text); }
};

}  // namespace quillmore

#endif  // QUILLMORE_WORLD_PERSON_H_
