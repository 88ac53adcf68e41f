#include "world/person.h"

#include <iostream>

#include "world/data_line.h"
#include "world/name_match.h"
#include "world/object_list.h"

bool person::HasName(const std::string& text) const {
  return NameContains(name, text);
}

void person::PrintName() const {
  std::cout << name;
}

void person::AddHeldItem(object& item) {
  PushObject(heldItems, item);
}

object* person::RemoveHeldItem(const std::string& text) {
  return UnlinkObject(heldItems, text);
}

void person::ReadName(std::istream& in) {
  ReadDataLine(in, name);
}
