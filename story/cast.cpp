#include <algorithm>

#include "story/story.h"

namespace quillmore {

namespace {

using enum quest_stage;
using enum gift_stage;

// Steps that more than one person shares.
constexpr story_step kFinishTheErrand[] = {{effect::kFinishErrand}};
constexpr story_step kTakeItThatThePlayerHasThePhotos[] = {
    {effect::kSetGift, nullptr, kIdle, kReceived}};

// Ruaidhri runs the photo shop: he swaps the photo slip for the player's photos.
constexpr branch kRuaidhri[] = {
    {.when = {.gift = kReceived},
     .says = "Let me get your photos!\n\n",
     .clearsGift = true,
     .succeeds = true},
    {.when = {.quest = {kOpen}}, .says = "Hello, how can I help you?\n\n"},
    {.when = {.quest = {kDone}}, .says = "Thank you, come again.\n\n"},
};

// Conor is the boy at the pinball machine: he wants coins for it. His thanks run straight into
// whatever comes next.
constexpr branch kConor[] = {
    {.when = {.gift = kReceived},
     .says = "Thanks for the coins! Have you met my dad yet?\n",
     .clearsGift = true},
    {.when = {.quest = {kOpen}},
     .says = "Do you have any pound coins? I want to play the pinball machine...\n\n"},
    {.when = {.quest = {kDone}}, .says = "I love playing pinball!\n\n"},
};

// Sean the musician is Conor's father. Once the photo slip is in, he takes it that the player
// carries the photos (gift stage received) and asks to see them; in the last one he finds his
// own band and names the pub it plays in.
constexpr question kSeeThePhotos = {
    .optionA = "a) Yeah sure.",
    .optionB = "b) Um..I'd rather you not.",
    .complaint = "What?",
    .a = {.says = "::flips through the images, squinting at all the blurred shots until he comes "
                  "to the "
                  "last photo in the pack:: "
                  "Well would you look at that, sure that's my own band up on the stage! "
                  "I was meant to be playing with the lads last night, but I was sick as a dog. "
                  "They play at The Franciscan Well every Wednesday night, that's where this was "
                  "taken. "
                  "Mind you, it's a fair long walk from here, the Well is over across the river."
                  "\n\n",
          .clearsGift = true,
          .succeeds = true},
    .b = {.says = "Oh...ok.\n\n"},
};
constexpr branch kSean[] = {
    {.when = {.quest = {kIdle}}, .says = "...\n\n"},
    {.when = {.quest = {kOpen}},
     .says = "...Thank you for helping my son out. He's been staring at that machine for ages. "
             "\n\n",
     .goesOn = true},
    {.when = {.gift = kReceived, .quest = {kOpen}},
     .says = "Oh, I see you have some photos. I love looking at pictures...can I see them?\n\n",
     .asks = &kSeeThePhotos},
    {.when = {.quest = {kDone}}, .says = "...Talk to you later... \n\n"},
};
constexpr story_guard kOnceThePhotoSlipIsIn = {"Ruaidhri the photo guy", kDone};

// John the bar tender half remembers the player, but wants a note taken to his girlfriend
// first. Once she has it he tells, once, what he remembers of last night.
constexpr question kSeenMeBefore = {
    .optionA = "a) Hey.",
    .optionB = "b) Hi, I know this is weird to ask, but have you seen me in here before?",
    .complaint = "What was that?",
    .a = {.says = "::John goes back to getting drinks for customers::\n\n"},
    .b = {.says = "Emm...I have a lot of things on my mind right now. Do you mind "
                  "doing me a favor before I try to answer that?\n\n"
                  "::Takes out a napkin and a pen from behind the bar and begins writing a note:: "
                  "It's a mad busy night in here and there's no way I can get away from the bar. "
                  "My girlfriend is waiting on me up at UCC, where she works. "
                  "Would you give her this note for me, so she knows I can't make it?\n\n",
          .succeeds = true},
};
constexpr branch kJohn[] = {
    {.when = {.gift = kFollowUp},
     .says = "Oh, back so soon? That's grand! Thanks for delivering that note for me.\n\n"
             "So many faces come in and out of this bar, it is impossible to remember them all. "
             "But now that I think of it, I do remember you sitting on your own at the table "
             "near the door. "
             "At one stage you grabbed a lad standing nearby and got him to take your photo in "
             "front of the band. "
             "Later on in the night you headed off out the door with a group of people. "
             "I know the fella who took that picture, he's one of our regulars. "
             "His name is Jack, and he loves taking photos, "
             "but he wasn't one bit happy about taking yours, "
             "not after the way you roared across the bar to get his attention.\n\n"
             "If you find him, he might be able to remember you better than I can.\n\n",
     .clearsGift = true},
    {.when = {.quest = {kIdle}},
     .says = "Hey, can I get you a drink? ...Oh, you don't have any money.\n\n"},
    {.when = {.quest = {kOpen}}, .says = "Hello there.\n\n", .asks = &kSeenMeBefore},
    {.when = {.quest = {kWaiting}},
     .says = "Why are you still here? Hurry up and get that note to Sara-Jane.\n\n"},
    {.when = {.quest = {kDone}}, .says = "Have you talked to Jack yet?\n\n"},
};
// Once Sara-Jane has the note, John's errand is done and Jack's is open, on every talk.
constexpr story_guard kOnceTheNoteIsDelivered = {"Sara-Jane", kDone};
// The napkin handed over, John waits for it to reach Sara-Jane, who now expects it.
constexpr story_step kAfterTheNote[] = {{effect::kSetQuest, nullptr, kWaiting},
                                        {effect::kSetQuest, "Sara-Jane", kOpen}};

// Sara-Jane works at UCC and is waiting for John, who cannot leave the bar. Her thanks run
// straight into whatever comes next.
constexpr branch kSaraJane[] = {
    {.when = {.gift = kReceived},
     .says = "So nice of you to deliver that note, thanks! Say 'hi' to John for me.\n",
     .clearsGift = true},
    {.when = {.quest = {kIdle}}, .says = " ::cheerily:: Hello there. How are you?\n\n"},
    {.when = {.quest = {kOpen}}, .says = "What? You have a note for me?\n\n"},
    {.when = {.quest = {kDone}}, .says = "I can't believe John's missing our date...\n\n"},
};
// The note delivered, John will hear of it at his next talk.
constexpr story_step kTellJohn[] = {{effect::kSetGift, "John the bar tender", kIdle, kFollowUp}};

// Jack is the regular who took the player's photo at the Well; he remembers who came with him.
constexpr question kRememberMe = {
    .optionA = "a) Nothing.",
    .optionB =
        "b) Do you remember me from last night? I was talking to bar tender at The "
        "Franciscan Well, and he said you took my picture. I need to know who else was "
        "with me that night.",
    .complaint = "Didn't hear that.",
    .a = {.says = "...\n\n"},
    .b = {.says = "Oh, you talked to John? Yeah...I took your photo. "
                  "When your friends came back to the table there were two guys and one girl, and "
                  "she was an absolute stunner. "
                  "I couldn't tell you her name, but I remember her saying she went clubbing "
                  "nearly every night, "
                  "and she had a whole lot of stories to tell.\n\n",
          .succeeds = true},
};
constexpr branch kJack[] = {
    {.when = {.quest = {kIdle}}, .says = "What.\n\n"},
    {.when = {.quest = {kOpen}}, .says = "What?\n\n", .asks = &kRememberMe},
    {.when = {.quest = {kDone}},
     .says = "Uh...I have stuff to do. I gave you the information I could.\n\n"},
};

// Siobhan lost her earring last night. Once it is back she buys the player a pint, and on the
// talk after that she tells him about Tom.
constexpr branch kSiobhan[] = {
    {.when = {.gift = kReceived},
     .says = "Ah, Cheers! Thanks for bringing my earing back love. "
             "Just for that I'm buying you a drink.\n\n",
     .clearsGift = true,
     .succeeds = true},
    {.when = {.gift = kFollowUp},
     .says = "So anyway yeah, I was with your little group. "
             "I met your friend Tom at a club night and tagged along with ye after, and God, "
             "isn't he only gorgeous? "
             "I think you were there with the other guy, but I never got his name. "
             "Tom knew him well though, so you should ask Tom who he was.\n\n",
     .clearsGift = true},
    {.when = {.quest = {kIdle}}, .says = "Sorry, I have a boyfriend.\n\n"},
    {.when = {.quest = {kOpen}},
     .says = "Oh, you want to know if I was at the Well? Yeah I was there last night. "
             "Were you the young fella from the USA? "
             "Sorry love, it's all a bit of a blur, I'd a fair few drinks in me. "
             "I might remember better if you helped me find my earring, it's my favourite one, "
             "and I lost it last night somewhere along the way.\n\n"
             "Please let me know when you find it!\n\n"},
    {.when = {.quest = {kDone}},
     .says = "You should really go talk to Tom. Give him a kiss for me! ::giggle:: \n\n"},
};
// The pint handed over, she tells of the group at the next talk.
constexpr story_step kAfterThePint[] = {{effect::kSetGift, nullptr, kIdle, kFollowUp}};

// Tom wants a Guinness. Once he has the pint he can tell the player where he was last night,
// and Diarmuid turns up at his pub, as he does every night.
constexpr question kWhereWereYou = {
    .optionA = "a) No problem.",
    .optionB =
        "b) Hey, where were you last night? I'm kind of spouting some bad amnesia "
        "right now...and I need to find someone who knows me, because I don't.",
    .complaint = "Sorry, what was that? Speak up lad!",
    .a = {.says = "::Tom smiles and begins to sip his drink::\n\n"},
    .b = {.says = "Woah, not remembering who you are is pretty bad lad. You'd want to lay off "
                  "the drink for a while. "
                  "I couldn't put a face to anyone from last night, but I was out drinking with "
                  "my best mate Diarmuid. "
                  "He's a right wizard with computers, works at one of the computer firms here in "
                  "town, "
                  "and he was bringing along a young lad from the USA who'd been interviewing "
                  "with him. That must have been you! "
                  "So Diarmuid's your man, he'll know who you are. He runs like clockwork, that "
                  "fella, "
                  "he goes to the Washington Inn every single night and he should be arriving "
                  "there about now.\n\n",
          .clearsGift = true,
          .succeeds = true},
};
constexpr branch kTom[] = {
    {.when = {.gift = kReceived},
     .says = "Nice going lad, cheers! What an upstanding fellow you are.\n\n",
     .asks = &kWhereWereYou},
    {.when = {.quest = {kIdle, kOpen}}, .says = "I could use a Guinness...\n\n"},
    {.when = {.quest = {kDone}},
     .says = "Good luck in catching him lad! He should be at the Washington Inn.\n\n"},
};
constexpr story_step kAfterTom[] = {{effect::kFinishErrand}, {effect::kBringIn, "Diarmuid"}};

// Diarmuid interviewed the player yesterday and tells him who he is. The game is won after this
// talk, whatever it says.
constexpr branch kDiarmuid[] = {
    {.when = {.quest = {kOpen}},
     .says = "Daniel! How are you doing, boy? ::snickers:: You look like you slept in a gutter."
             "\n\n",
     .goesOn = true},
    {.says = "What? Amnesia? You woke up in the park? Wow, we really must have had some night, "
             "huh. "
             "You're Daniel Whitaker, and you interviewed with me for a software engineer "
             "position last night.\n\n"
             "**...As you continue listening to the story of your life, you find out that "
             "you're from the USA, "
             "but that for the last while you've been living and working in Dublin. "
             "You've travelled all around Ireland and across mainland Europe, "
             "most recently with a stop in London just before your trip down to Cork. "
             "You always liked Cork better than Dublin, so you took some time off work and came "
             "down on the train for a job interview with a computer company. "
             "The interview went well, and afterwards you and Diarmuid headed off to find a pub "
             "and get to know each other a bit. "
             "Along the way you ran into his old drinking buddy, Tom, and one pint led to "
             "another. "
             "Somewhere in the course of the night the two of you went your separate ways. "
             "By rights you should have walked back out the Western Road to your hostel, "
             "but how you ended up waking in the park instead, "
             "nobody can say. That part of the night stays a mystery.\n\n"
             "This new information you hear triggers something in your brain, and suddenly the "
             "memories come flowing back. "
             "Relaxed at finally knowing who you are again, you pull up a stool beside Diarmuid. "
             "You spend the rest of the evening laughing and drinking with him in the Washington "
             "Inn, "
             "taking care, this time, not to overdo the drinks.\n\n"},
};

// Liam the drunk holds up the bar and wants the young people to mind their manners.
constexpr question kRespect = {
    .optionA = "a) Oh, of course.",
    .optionB = "b) You're drunk, I don't respect you.",
    .complaint = "What did you say? I didn't catch that.",
    .a = {.says = "Good, at least someone has some sense around here. You're a good lad. \n\n"},
    .b = {.says = "Well, feck you!\n\n"},
};
constexpr branch kLiam[] = {
    {.says = "Oh look, another young man. Do you pay respect to your elders? Because "
             "back in my young days, young bar tenders like that pup behind the bar here "
             "had a lot more respect for their elders, so they did.\n\n",
     .asks = &kRespect},
};

// The couple on the blanket are far too busy with each other to answer.
constexpr branch kCouple[] = {
    {.says = "(The couple, lying on a blanket under a tree, seem to have not heard you and "
             "continue making out. \n"
             "Maybe we should leave them to their privacy...)\n\n"},
};

// The Echo guy sells the evening paper, for euro only: the player's coins are British.
constexpr question kBuyAPaper = {
    .optionA = "a) Yes please.",
    .optionB = "b) No, that's ok.",
    .complaint = "Sorry, what was that?",
    .a = {.says = "Sorry, you need euro to buy a paper.\n\n"},
    .b = {.says = "All right. Cheers.\n\n"},
};
constexpr branch kEchoGuy[] = {
    {.says = "Hello, would you like to buy an issue of the Evening Echo?\n\n", .asks = &kBuyAPaper},
};

// People who only ever say one thing: Tomas is listening to his friends, Rory has no wish to
// know the player, Colleen is in the middle of a story, the video gamer never looks up from his
// race, and the street performer drums up a crowd.
constexpr branch kTomas[] = {{.says = "::Listening to conversation:: Haha, that's great.\n\n"}};
constexpr branch kRory[] = {{.says = "::Gives you a strange look:: Who are you?\n\n"}};
constexpr branch kColleen[] = {
    {.says = "::Talking to the other people at the table:: Yeah, I know, can you believe it? "
             "And then he threw the shopping cart into the river! \n\n"}};
constexpr branch kVideoGamer[] = {{.says = "Just one more race...\n\n"}};
constexpr branch kPerformer[] = {{.says = "Yo man, come watch our fantastic show!\n\n"}};

// The errand chain runs from the photo slip to Diarmuid: Ruaidhri and Conor are open from the
// start, and each errand done opens the next. Names are compared whole and exactly.
constexpr role kCast[] = {
    {.name = "Ruaidhri the photo guy",
     .talk = kRuaidhri,
     .handsOver = "photos",
     .wants = "photo slip",
     .startStage = kOpen},
    {.name = "Conor",
     .talk = kConor,
     .wants = "english coins",
     .nextErrand = "Sean the musician",
     .startStage = kOpen},
    {.name = "Sean the musician",
     .talk = kSean,
     .before = kOnceThePhotoSlipIsIn,
     .beforeTalk = kTakeItThatThePlayerHasThePhotos,
     .afterTalk = kFinishTheErrand,
     .wants = "photos",
     .nextErrand = "John the bar tender"},
    {.name = "John the bar tender",
     .talk = kJohn,
     .before = kOnceTheNoteIsDelivered,
     .beforeTalk = kFinishTheErrand,
     .handsOver = "napkin",
     .afterTalk = kAfterTheNote,
     .nextErrand = "Jack",
     .standsIn = "The Franciscan Well"},
    {.name = "Sara-Jane",
     .talk = kSaraJane,
     .wants = "napkin",
     .afterGift = kTellJohn,
     .standsIn = "University College Cork"},
    {.name = "Jack", .talk = kJack, .afterTalk = kFinishTheErrand, .nextErrand = "Siobhan"},
    {.name = "Siobhan",
     .talk = kSiobhan,
     .handsOver = "pint of Guinness",
     .afterTalk = kAfterThePint,
     .wants = "pearl earring",
     .nextErrand = "Tom"},
    {.name = "Tom",
     .talk = kTom,
     .afterTalk = kAfterTom,
     .wants = "pint of Guinness",
     .nextErrand = "Diarmuid"},
    {.name = "Diarmuid",
     .talk = kDiarmuid,
     .standsIn = "Washington Inn",
     .outOfSight = true,
     .winsGame = true},
    // People outside the errand chain: a conversation and nothing more.
    {.name = "Liam the drunk", .talk = kLiam},
    {.name = "couple lying on a blanket", .talk = kCouple},
    {.name = "Echo guy", .talk = kEchoGuy},
    {.name = "Tomas", .talk = kTomas},
    {.name = "Rory", .talk = kRory},
    {.name = "Colleen", .talk = kColleen},
    {.name = "video gamer", .talk = kVideoGamer},
    {.name = "performer", .talk = kPerformer},
};

}  // namespace

std::span<const role> Cast() {
  return kCast;
}

const role* RoleOf(std::string_view name) {
  const auto found = std::find_if(std::begin(kCast), std::end(kCast),
                                  [name](const role& part) { return name == part.name; });
  return found == std::end(kCast) ? nullptr : found;
}

entrance EntranceOf(std::string_view name) {
  const role* part = RoleOf(name);
  return part == nullptr ? entrance{} : entrance{part->outOfSight, part->startStage};
}

}  // namespace quillmore
