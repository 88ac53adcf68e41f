#include "world/story_names.h"
#include "world/world.h"

namespace {

struct errand_link {
  const char* done;
  const char* next;
};

// Whose errand opens when another's is done. Ruaidhri and Sara-Jane open nobody here.
constexpr errand_link kErrandChain[] = {
    {kConor, kSean},   {kSean, kJohn},   {kJohn, kJack},
    {kJack, kSiobhan}, {kSiobhan, kTom}, {kTom, kDiarmuid},
};

}  // namespace

void world::AdvanceQuest(std::string name) {
  const int slot = FindNPC(name);
  if (slot != kNoPerson) {
    name = people[slot].GetName();
  }
  for (const errand_link& link : kErrandChain) {
    if (name == link.done) {
      const int next = FindNPC(link.next);
      if (next != kNoPerson) {
        people[next].SetQuestStage(kQuestOpen);
      }
      return;
    }
  }
}
