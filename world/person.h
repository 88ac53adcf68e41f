#ifndef QUILLMORE_WORLD_PERSON_H_
#define QUILLMORE_WORLD_PERSON_H_

#include <cstdint>
#include <string>

#include "world/object.h"

namespace quillmore {

class console;
class data_reader;

// Where a person stands in the errand chain (`questStage`).
enum class quest_stage : std::int32_t {
  kDone = 0,     // errand done
  kOpen = 1,     // the person the player is to help now
  kWaiting = 2,  // waiting for a delivery (the bar tender only)
  kIdle = 3,     // not yet part of the story
};

// An event the person reacts to at the next talk (`giftStage`).
enum class gift_stage : std::int32_t {
  kNone = 0,
  kReceived = 1,  // the person has just been given what he or she wanted
  kFollowUp = 2,  // something to tell at the next talk
};

// One non-player character. The two stages are the whole of the game's story state; the
// conversation scripts (story/) read them and set `giftStage` back to none once they have
// reacted, and the story's steps and giving set the rest.
class person {
 public:
  bool HasName(const std::string& text) const;
  const std::string& GetName() const { return name; }
  void PrintName(console& io) const;

  const person* GetNextInRoom() const { return nextInRoom; }
  person* GetNextInRoom() { return nextInRoom; }
  void SetNextInRoom(person* following) { nextInRoom = following; }

  const object* GetHeldItems() const { return heldItems; }
  void AddHeldItem(object& item);
  object* RemoveHeldItem(const std::string& text);

  quest_stage GetQuestStage() const { return questStage; }
  void SetQuestStage(quest_stage stage) { questStage = stage; }
  gift_stage GetGiftStage() const { return giftStage; }
  void SetGiftStage(gift_stage stage) { giftStage = stage; }

  // Reads the name line of one record of the people file.
  void ReadName(data_reader& in);

 private:
  std::string name;
  person* nextInRoom = nullptr;
  object* heldItems = nullptr;
  quest_stage questStage = quest_stage::kIdle;
  gift_stage giftStage = gift_stage::kNone;
};

}  // namespace quillmore

#endif  // QUILLMORE_WORLD_PERSON_H_
