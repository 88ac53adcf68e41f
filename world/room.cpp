#include "world/room.h"

#include "world/data_line.h"
#include "world/name_match.h"
#include "world/object_list.h"
#include "world/person.h"

bool room::HasName(const std::string& text) const {
  return NameContains(name, text);
}

void room::AddObject(object& item) {
  PushObject(objects, item);
}

object* room::FindObject(const std::string& text) const {
  return FindObjectIn(objects, text);
}

object* room::RemoveObject(const std::string& text) {
  return UnlinkObject(objects, text);
}

void room::AddPerson(person& newcomer) {
  newcomer.SetNextInRoom(people);
  people = &newcomer;
}

bool room::HasPerson(const person& someone) const {
  for (const person* member = people; member != nullptr; member = member->GetNextInRoom()) {
    if (member == &someone) {
      return true;
    }
  }
  return false;
}

void room::Read(std::istream& in) {
  ReadDataLine(in, name);
  ReadDataLine(in, description);
  ReadDataLine(in, detail);
}

void room::Describe(std::ostream& out) const {
  out << std::endl << name << std::endl << description << std::endl << detail << std::endl;
  out << std::endl;
  DescribeObjects(out);
  DescribePeople(out);
}

void room::DescribeObjects(std::ostream& out) const {
  out << "You see here: ";
  if (objects == nullptr) {
    out << "Nothing notable." << std::endl;
    return;
  }
  PrintObjectNames(objects, out);
  out << std::endl;
}

void room::DescribePeople(std::ostream& out) const {
  out << "Interesting people are: ";
  if (people == nullptr) {
    out << "No one notable." << std::endl;
    return;
  }
  for (const person* member = people; member != nullptr; member = member->GetNextInRoom()) {
    if (member != people) {
      out << ", ";
    }
    member->PrintName();
  }
  out << std::endl;
}
