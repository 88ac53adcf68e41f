#ifndef QUILLMORE_WORLD_PERSON_H_
#define QUILLMORE_WORLD_PERSON_H_

#include <cstdint>
#include <string>

#include "world/object.h"

// Errand stages (`questStage`): where a person stands in the errand chain.
constexpr std::int32_t kQuestDone = 0;     // errand done
constexpr std::int32_t kQuestOpen = 1;     // the person the player is to help now
constexpr std::int32_t kQuestWaiting = 2;  // waiting for a delivery (the bar tender only)
constexpr std::int32_t kQuestIdle = 3;     // not yet part of the story

// Gift stages (`giftStage`): an event the person reacts to at the next talk.
constexpr std::int32_t kGiftNone = 0;
constexpr std::int32_t kGiftReceived = 1;
constexpr std::int32_t kGiftFollowUp = 2;

// What `AskChoice` returns when standard input ended before an a or b arrived.
constexpr char kNoAnswer = '\0';

// One non-player character. The two stage fields and the last answer are the whole of the
// game's story state. The conversation scripts are operations of the person they belong to:
// they read their own stages, set `giftStage` back to none once they have reacted, and never
// touch another record. Each returns whether the story step it guards has just happened.
class person {
 public:
  bool HasName(const std::string& text) const;
  std::string GetName() const { return name; }
  // Writes the name to standard output.
  void PrintName() const;

  person* GetNextInRoom() const { return nextInRoom; }
  void SetNextInRoom(person* following) { nextInRoom = following; }

  object* GetHeldItems() const { return heldItems; }
  void SetHeldItems(object* head) { heldItems = head; }
  void AddHeldItem(object& item);
  object* RemoveHeldItem(const std::string& text);

  std::int32_t GetQuestStage() const { return questStage; }
  void SetQuestStage(std::int32_t stage) { questStage = stage; }
  std::int32_t GetGiftStage() const { return giftStage; }
  void SetGiftStage(std::int32_t stage) { giftStage = stage; }

  // Reads the name line of one record of the people file.
  void ReadName(std::istream& in);

  // The answer prompt: prints the menu, reads the player's choice into `answer` and complains
  // until it is a or b. Returns kNoAnswer if standard input ends first.
  char AskChoice(const char* optionA, const char* optionB, const char* complaint);

  bool TalkRuaidhri();
  bool TalkConor();
  bool TalkSean();
  bool TalkJohn();
  bool TalkSaraJane();
  bool TalkJack();
  bool TalkSiobhan();
  bool TalkTom();
  bool TalkDiarmuid();
  bool TalkLiam();
  bool TalkCouple();
  bool TalkEchoGuy();
  bool TalkTomas();
  bool TalkRory();
  bool TalkColleen();
  bool TalkVideoGamer();
  bool TalkPerformer();

 private:
  std::string name;
  person* nextInRoom = nullptr;
  object* heldItems = nullptr;
  std::int32_t questStage = kQuestIdle;
  std::int32_t giftStage = kGiftNone;
  char answer = kNoAnswer;
};

#endif  // QUILLMORE_WORLD_PERSON_H_
