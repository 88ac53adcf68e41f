#include "game/narration.h"

namespace quillmore {

namespace {

// The names of a list, from the front, with ", " between two and nothing after the last.
template <typename name_of>
void SayNames(console& io, slot_list members, name_of nameOf) {
  const char* separator = "";
  for (const int member : members) {
    io.Write(separator);
    io.Write(nameOf(member));
    separator = ", ";
  }
  io.EndLine();
}

// The message that tells each happening in words, in the order of `happened`.
constexpr message kTold[] = {
    message::kNoExit,         message::kPickedUp,     message::kItemNotFound,
    message::kDropped,        message::kNotCarried,   message::kNothingToSee,
    message::kGave,           message::kNobodyHere,   message::kNoUse,
    message::kNobodyToTalkTo, message::kReceived,     message::kGiverAway,
    message::kGiverLacksItem, message::kNoSuchPerson, message::kNoSuchPlace,
};
static_assert(std::size(kTold) == static_cast<std::size_t>(happened::kMoved));

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
    default:
      Say(io, kTold[static_cast<int>(what.what)],
          {.object = typed.object, .person = typed.person, .item = what.text});
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
    SayNames(io, game.ObjectsIn(place),
             [&game](int item) -> const std::string& { return game.ObjectAt(item).name; });
  }
  Say(io, message::kPeopleHere);
  if (game.PeopleIn(place).empty()) {
    Say(io, message::kNoOneNotable);
  } else {
    SayNames(io, game.PeopleIn(place),
             [&game](int member) -> const std::string& { return game.PersonAt(member).name; });
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
    SayNames(io, game.Inventory(),
             [&game](int item) -> const std::string& { return game.ObjectAt(item).name; });
  }
}

void Say(console& io, message which, const quoted& names) {
  Say(io, Text(which, names));
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
