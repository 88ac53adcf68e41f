#include "game/narration.h"

namespace quillmore {

namespace {

// The names of a list, from the front, with ", " between two and nothing after the last.
template <typename record>
void SayNames(console& io, slot_list members, const record& (world::*at)(int) const,
              const world& game) {
  for (const int member : members) {
    if (member != members.front()) {
      io.Write(", ");
    }
    io.Write((game.*at)(member).name);
  }
  io.EndLine();
}

// The message that tells what happened, for what is told in words.
message MessageFor(happened what) {
  switch (what) {
    case happened::kNoExit:
      return message::kNoExit;
    case happened::kPickedUp:
      return message::kPickedUp;
    case happened::kItemNotFound:
      return message::kItemNotFound;
    case happened::kDropped:
      return message::kDropped;
    case happened::kNotCarried:
      return message::kNotCarried;
    case happened::kNothingToSee:
      return message::kNothingToSee;
    case happened::kGave:
      return message::kGave;
    case happened::kNobodyHere:
      return message::kNobodyHere;
    case happened::kNoUse:
      return message::kNoUse;
    case happened::kNobodyToTalkTo:
      return message::kNobodyToTalkTo;
    case happened::kReceived:
      return message::kReceived;
    case happened::kGiverAway:
      return message::kGiverAway;
    case happened::kGiverLacksItem:
      return message::kGiverLacksItem;
    case happened::kNoSuchPerson:
      return message::kNoSuchPerson;
    default:
      return message::kNoSuchPlace;
  }
}

}  // namespace

void Narrate(console& io, const world& game, const happening& what, const quoted& typed) {
  switch (what.what) {
    case happened::kMoved:
    case happened::kLookedAround:
      DescribeRoom(io, game, what.subject);
      return;
    case happened::kLookedAt:
      DescribeObject(io, game, what.subject);
      return;
    case happened::kReceived:
      Say(io, message::kReceived, {.item = what.text});
      return;
    default:
      Say(io, MessageFor(what.what), typed);
  }
}

void Narrate(console& io, const world& game, const happenings& log, const quoted& typed) {
  for (const happening& what : log) {
    Narrate(io, game, what, typed);
  }
}

void DescribeRoom(console& io, const world& game, int place) {
  const room& here = game.RoomAt(place);
  io.Line();
  io.Line(here.name);
  io.Line(here.description);
  io.Line(here.detail);
  io.Line();
  Say(io, message::kYouSeeHere);
  if (game.ObjectsIn(place).empty()) {
    Say(io, message::kNothingNotable);
  } else {
    SayNames(io, game.ObjectsIn(place), &world::ObjectAt, game);
  }
  Say(io, message::kPeopleHere);
  if (game.PeopleIn(place).empty()) {
    Say(io, message::kNoOneNotable);
  } else {
    SayNames(io, game.PeopleIn(place), &world::PersonAt, game);
  }
}

void DescribeObject(console& io, const world& game, int item) {
  io.Line();
  io.Line(game.ObjectAt(item).name);
  io.Line(game.ObjectAt(item).description);
  io.Line();
}

void ShowInventory(console& io, const world& game) {
  Say(io, message::kHolding);
  if (game.Inventory().empty()) {
    Say(io, message::kHoldingNothing);
  } else {
    SayNames(io, game.Inventory(), &world::ObjectAt, game);
  }
}

void Say(console& io, std::string_view text) {
  for (std::size_t end = text.find('\n'); end != std::string_view::npos; end = text.find('\n')) {
    io.Write(text.substr(0, end));
    io.EndLine();
    text.remove_prefix(end + 1);
  }
  io.Write(text);
}

}  // namespace quillmore
