#ifndef QUILLMORE_WORLD_ROOM_H_
#define QUILLMORE_WORLD_ROOM_H_

#include <array>
#include <istream>
#include <ostream>
#include <string>

#include "world/direction.h"
#include "world/object.h"

class person;

// One place of the city. It heads the lists of the objects lying here and the people standing
// here, and has one exit per direction code. Exits are one-way; the map sets both ways.
class room {
 public:
  bool HasName(const std::string& text) const;
  const std::string& GetName() const { return name; }

  room* GetExit(int direction) const { return exits[direction]; }
  void SetExit(int direction, room* neighbour) { exits[direction] = neighbour; }

  object* GetObjects() const { return objects; }
  void SetObjects(object* head) { objects = head; }
  void AddObject(object& item);
  object* FindObject(const std::string& text) const;
  object* RemoveObject(const std::string& text);

  person* GetPeople() const { return people; }
  void AddPerson(person& newcomer);
  bool HasPerson(const person& someone) const;

  // Reads the name, description and detail lines of one record of the rooms file.
  void Read(std::istream& in);
  // The block shown on entering the room and by a plain look.
  void Describe(std::ostream& out) const;

 private:
  void DescribeObjects(std::ostream& out) const;
  void DescribePeople(std::ostream& out) const;

  std::string name;
  std::string description;
  std::string detail;
  object* objects = nullptr;
  person* people = nullptr;
  std::array<room*, kDirectionCount> exits{};
};

#endif  // QUILLMORE_WORLD_ROOM_H_
