#ifndef QUILLMORE_WORLD_ROOM_H_
#define QUILLMORE_WORLD_ROOM_H_

#include <array>
#include <string>
#include <string_view>

#include "world/direction.h"
#include "world/name_match.h"
#include "world/slot.h"

namespace quillmore {

// One place of the city: its texts, and one exit per direction, the slot of the room reached
// that way or none. Exits are one-way; the map sets both ways. Who stands here and what lies
// here is the world's state of play.
struct room {
  std::string name;
  std::string description;
  std::string detail;
  std::array<slot, kDirectionCount> exits{kNone, kNone, kNone, kNone};

  bool HasName(std::string_view text) const { return NameContains(name, text); }
  int GetExit(direction way) const { return exits[IndexOf(way)]; }
};

}  // namespace quillmore

#endif  // QUILLMORE_WORLD_ROOM_H_
