#include "world/room.h"

#include "console/console.h"
#include "world/data_reader.h"
#include "world/name_match.h"
#include "world/object_list.h"
#include "world/person.h"

namespace quillmore {

bool room::HasName(const std::string& text) const {
  return NameContains(name, text);
}

void room::AddObject(object& item) {
  PushObject(objects, item);
}

const object* room::FindObject(const std::string& text) const {
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

void room::Read(data_reader& in) {
  in.ReadLine(name);
  in.ReadLine(description);
  in.ReadLine(detail);
}

void room::Describe(console& io) const {
  io.Line();
  io.Line(name);
  io.Line(description);
  io.Line(detail);
  io.Line();
  DescribeObjects(io);
  DescribePeople(io);
}

void room::DescribeObjects(console& io) const {
  io.Write("You see here: ");
  if (objects == nullptr) {
    io.Line("Nothing notable.");
    return;
  }
  PrintObjectNames(objects, io);
  io.EndLine();
}

void room::DescribePeople(console& io) const {
  io.Write("Interesting people are: ");
  if (people == nullptr) {
    io.Line("No one notable.");
    return;
  }
  for (const person* member = people; member != nullptr; member = member->GetNextInRoom()) {
    if (member != people) {
      io.Write(", ");
    }
    member->PrintName(io);
  }
  io.EndLine();
}

}  // namespace quillmore
