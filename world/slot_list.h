#ifndef QUILLMORE_WORLD_SLOT_LIST_H_
#define QUILLMORE_WORLD_SLOT_LIST_H_

#include "world/slot.h"

namespace quillmore {

// The lists of the world (the objects lying in a room, held by a person or carried by the
// player, and the people standing in a room) are threaded through a table of `next` slots; the
// holder keeps only the first. Members are pushed at the front, so lists run newest first.
// A slot_list reads one such list, front first, without copying it.
class slot_list {
 public:
  slot_list(int first, const slot_table& next) : first(first), next(&next) {}

  class iterator {
   public:
    iterator(int at, const slot_table* next) : at(at), next(next) {}
    int operator*() const { return at; }
    iterator& operator++() {
      at = (*next)[at];
      return *this;
    }
    bool operator!=(const iterator& other) const { return at != other.at; }

   private:
    int at;
    const slot_table* next;
  };

  iterator begin() const { return {first, next}; }
  iterator end() const { return {kNone, next}; }
  bool empty() const { return first == kNone; }
  int front() const { return first; }

 private:
  int first;
  const slot_table* next;
};

}  // namespace quillmore

#endif  // QUILLMORE_WORLD_SLOT_LIST_H_
