#ifndef QUILLMORE_WORLD_HAPPENING_H_
#define QUILLMORE_WORLD_HAPPENING_H_

#include <string_view>
#include <vector>

#include "world/slot.h"

namespace quillmore {

// What an action of the player, or a step of the story, did to the world. The world only says
// what happened; the game says it to the player, in its own words.
enum class happened {
  // Told in words.
  kNoExit,          // there is no exit that way
  kPickedUp,        // an object lying here, or carried, is now at the front of the inventory
  kItemNotFound,    // nothing here or carried has that name
  kDropped,         // a carried object now lies here
  kNotCarried,      // the player carries nothing of that name
  kNothingToSee,    // no object carried or here has that name
  kGave,            // a person here took the object he or she wanted
  kNobodyHere,      // nobody here has the name the player gave an object to
  kNoUse,           // the person does not want that object
  kNobodyToTalkTo,  // nobody here has the name the player talked to
  kReceived,        // a person handed the player an object (`text` names it as the story does)
  kGiverAway,       // the person to hand something over is not here
  kGiverLacksItem,  // the person to hand something over holds nothing of that name
  kNoSuchPerson,    // a step of the story looked for a person the data files lack
  kNoSuchPlace,     // a step of the story looked for a place the data files lack
  // Shown by describing.
  kMoved,         // the player went through an exit
  kLookedAround,  // a look without a target: the room
  kLookedAt,      // an object carried or lying here (`subject`)
};

// `subject` is the room entered, or the object picked up, dropped, looked at or received.
// `text` is the name a hand-over was asked for, as its caller gave it, and lives as long as that.
struct happening {
  happened what;
  int subject = kNone;
  std::string_view text = {};
};

// What a step of the story did, in order.
using happenings = std::vector<happening>;

}  // namespace quillmore

#endif  // QUILLMORE_WORLD_HAPPENING_H_
