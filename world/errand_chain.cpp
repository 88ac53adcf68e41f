#include "story/story.h"
#include "world/world.h"

namespace quillmore {

// The story's roles say whose errand opens when another's is done.
void world::AdvanceQuest(std::string name) {
  const int slot = FindNPC(name);
  if (slot != kNoPerson) {
    name = people[slot].GetName();
  }
  const role* part = RoleOf(name);
  if (part == nullptr || part->nextErrand == nullptr) {
    return;
  }
  person* next = PersonNamed(part->nextErrand);
  if (next != nullptr) {
    next->SetQuestStage(quest_stage::kOpen);
  }
}

void world::FinishErrand(person& someone) {
  someone.SetQuestStage(quest_stage::kDone);
  AdvanceQuest(someone.GetName());
}

}  // namespace quillmore
