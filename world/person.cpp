#include "world/person.h"

#include "console/console.h"
#include "world/data_reader.h"
#include "world/name_match.h"
#include "world/object_list.h"

namespace quillmore {

bool person::HasName(const std::string& text) const {
  return NameContains(name, text);
}

void person::PrintName(console& io) const {
  io.Write(name);
}

void person::AddHeldItem(object& item) {
  PushObject(heldItems, item);
}

object* person::RemoveHeldItem(const std::string& text) {
  return UnlinkObject(heldItems, text);
}

void person::ReadName(data_reader& in) {
  in.ReadLine(name);
}

}  // namespace quillmore
