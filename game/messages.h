#ifndef QUILLMORE_GAME_MESSAGES_H_
#define QUILLMORE_GAME_MESSAGES_H_

#include <string>
#include <string_view>

#include "world/load_report.h"

namespace quillmore {

// The game's own words: every fixed text it writes but the opening, the list of commands and
// what people say (story/). A text holds its line ends; {object}, {person} and {item} stand for
// a name, as the player typed it or as the story names it.
enum class message {
  // What an action did.
  kNoExit,
  kPickedUp,
  kItemNotFound,
  kDropped,
  kNotCarried,
  kNothingToSee,
  kGave,
  kNobodyHere,
  kNoUse,
  kNobodyToTalkTo,
  kReceived,
  kGiverAway,
  kGiverLacksItem,
  kNoSuchPerson,
  kNoSuchPlace,
  // The command language.
  kGetWhat,
  kDropWhat,
  kWhatObject,
  kGiveToWhom,
  kEnterAName,
  kTalkToWhom,
  kNotAnOption,
  kGoodbye,
  kResponse,
  // The end of a won game.
  kPressAnyKey,
  // A room and the inventory.
  kYouSeeHere,
  kNothingNotable,
  kPeopleHere,
  kNoOneNotable,
  kHolding,
  kHoldingNothing,
  // Loading.
  kNoFile,
  kNoPlace,
  kObjectHolder,
  kObjectPlace,
  // Only where the player types at a terminal or in the page: what the game asks for, in a few
  // words, for the front end's prompt, and the front end's reminder at an answer it cannot take.
  kGetWhatPrompt,
  kDropWhatPrompt,
  kGiveWhatPrompt,
  kGiveToWhomPrompt,
  kTalkToWhomPrompt,
  kLookAtWhatPrompt,
  kAnswerPrompt,
  kAnswerReminder,
  // What a front end says of the words it takes at the command prompt in the game's stead.
  kUndone,
  kNothingToUndo,
  kCommentNoted,
};

// The names a message may quote.
struct quoted {
  std::string_view object = {};
  std::string_view person = {};
  std::string_view item = {};
};

// The message with its names filled in.
std::string Text(message which, const quoted& names = {});

// The message that says what loading met, filled in.
std::string MessageFor(const load_problem& found);

}  // namespace quillmore

#endif  // QUILLMORE_GAME_MESSAGES_H_
