#ifndef QUILLMORE_WORLD_OBJECT_LIST_H_
#define QUILLMORE_WORLD_OBJECT_LIST_H_

#include <string>

#include "world/object.h"

namespace quillmore {

class console;

// The lists of objects (a room's, a person's held items, the player's inventory) are threaded
// through the objects themselves; the holder keeps only the head. Objects are pushed at the
// front, so lists run, and print, newest first.

void PushObject(object*& head, object& item);

// The first object, from the front, whose name contains `text`; the list is left as it is.
const object* FindObjectIn(const object* head, const std::string& text);

// Unlinks and returns the first object whose name contains `text`, or none.
object* UnlinkObject(object*& head, const std::string& text);

// Writes the names from the front, separated by ", ", with nothing after the last.
void PrintObjectNames(const object* head, console& io);

}  // namespace quillmore

#endif  // QUILLMORE_WORLD_OBJECT_LIST_H_
