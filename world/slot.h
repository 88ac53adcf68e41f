#ifndef QUILLMORE_WORLD_SLOT_H_
#define QUILLMORE_WORLD_SLOT_H_

#include <array>
#include <cstdint>

namespace quillmore {

// Records sit in tables of at most 100 and refer to one another by their slot in a table. A
// stored slot takes one byte, so that a whole state of play is small to copy and compare.
constexpr int kTableSize = 100;
constexpr int kNone = -1;
using slot = std::int8_t;

// One slot for each record of a table, none to begin with.
using slot_table = std::array<slot, kTableSize>;
constexpr slot_table NoSlots() {
  slot_table none{};
  none.fill(kNone);
  return none;
}

}  // namespace quillmore

#endif  // QUILLMORE_WORLD_SLOT_H_
