#include "story/story.h"

#include "world/world.h"

namespace quillmore {

// Each person's file in story/ holds his or her script and story steps.
bool TalkRuaidhri(person& ruaidhri, console& io);
bool TalkConor(person& conor, console& io);
bool TalkSean(person& sean, console& io);
void BeforeSean(world& game, person& sean);
bool TalkJohn(person& john, console& io);
void BeforeJohn(world& game, person& john);
void AfterJohn(world& game, person& john);
bool TalkSaraJane(person& saraJane, console& io);
void AfterGiftSaraJane(world& game, person& saraJane);
bool TalkJack(person& jack, console& io);
bool TalkSiobhan(person& siobhan, console& io);
void AfterSiobhan(world& game, person& siobhan);
bool TalkTom(person& tom, console& io);
void AfterTom(world& game, person& tom);
bool TalkDiarmuid(person& diarmuid, console& io);
bool TalkLiam(person& liam, console& io);
bool TalkCouple(person& couple, console& io);
bool TalkEchoGuy(person& echoGuy, console& io);
bool TalkTomas(person& tomas, console& io);
bool TalkRory(person& rory, console& io);
bool TalkColleen(person& colleen, console& io);
bool TalkVideoGamer(person& videoGamer, console& io);
bool TalkPerformer(person& performer, console& io);

namespace {

// The errand chain runs from the photo slip to Diarmuid: Ruaidhri and Conor are open from the
// start, and each errand done opens the next. Names are compared whole and exactly.
constexpr role kStory[] = {
    {.name = "Ruaidhri the photo guy",
     .talk = TalkRuaidhri,
     .handsOver = "photos",
     .wants = "photo slip",
     .startStage = quest_stage::kOpen},
    {.name = "Conor",
     .talk = TalkConor,
     .wants = "english coins",
     .nextErrand = "Sean the musician",
     .startStage = quest_stage::kOpen},
    {.name = "Sean the musician",
     .talk = TalkSean,
     .beforeTalk = BeforeSean,
     .afterTalk = FinishErrand,
     .wants = "photos",
     .nextErrand = "John the bar tender"},
    {.name = "John the bar tender",
     .talk = TalkJohn,
     .beforeTalk = BeforeJohn,
     .handsOver = "napkin",
     .afterTalk = AfterJohn,
     .nextErrand = "Jack",
     .standsIn = "The Franciscan Well"},
    {.name = "Sara-Jane",
     .talk = TalkSaraJane,
     .wants = "napkin",
     .afterGift = AfterGiftSaraJane,
     .standsIn = "University College Cork"},
    {.name = "Jack", .talk = TalkJack, .afterTalk = FinishErrand, .nextErrand = "Siobhan"},
    {.name = "Siobhan",
     .talk = TalkSiobhan,
     .handsOver = "pint of Guinness",
     .afterTalk = AfterSiobhan,
     .wants = "pearl earring",
     .nextErrand = "Tom"},
    {.name = "Tom",
     .talk = TalkTom,
     .afterTalk = AfterTom,
     .wants = "pint of Guinness",
     .nextErrand = "Diarmuid"},
    {.name = "Diarmuid",
     .talk = TalkDiarmuid,
     .standsIn = "Washington Inn",
     .outOfSight = true,
     .winsGame = true},
    // People outside the errand chain: a conversation and nothing more.
    {.name = "Liam the drunk", .talk = TalkLiam},
    {.name = "couple lying on a blanket", .talk = TalkCouple},
    {.name = "Echo guy", .talk = TalkEchoGuy},
    {.name = "Tomas", .talk = TalkTomas},
    {.name = "Rory", .talk = TalkRory},
    {.name = "Colleen", .talk = TalkColleen},
    {.name = "video gamer", .talk = TalkVideoGamer},
    {.name = "performer", .talk = TalkPerformer},
};

}  // namespace

const role* RoleOf(const std::string& name) {
  for (const role& part : kStory) {
    if (name == part.name) {
      return &part;
    }
  }
  return nullptr;
}

cast Cast() {
  return {std::begin(kStory), std::end(kStory)};
}

void FinishErrand(world& game, person& someone) {
  game.FinishErrand(someone);
}

}  // namespace quillmore
