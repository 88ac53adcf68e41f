#ifndef QUILLMORE_WORLD_ROOM_H_
#define QUILLMORE_WORLD_ROOM_H_

#include <array>
#include <string>

#include "world/direction.h"
#include "world/object.h"

namespace quillmore {

class console;
class data_reader;
class person;

// One place of the city. It heads the lists of the objects lying here and the people standing
// here, and has one exit per direction. Exits are one-way; the map sets both ways.
class room {
 public:
  bool HasName(const std::string& text) const;
  const std::string& GetName() const { return name; }

  const room* GetExit(direction way) const { return exits[IndexOf(way)]; }
  room* GetExit(direction way) { return exits[IndexOf(way)]; }
  void SetExit(direction way, room* neighbour) { exits[IndexOf(way)] = neighbour; }

  const object* GetObjects() const { return objects; }
  void AddObject(object& item);
  const object* FindObject(const std::string& text) const;
  object* RemoveObject(const std::string& text);

  const person* GetPeople() const { return people; }
  person* GetPeople() { return people; }
  void AddPerson(person& newcomer);
  bool HasPerson(const person& someone) const;

  // Reads the name, description and detail lines of one record of the rooms file.
  void Read(data_reader& in);
  // The block shown on entering the room and by a plain look.
  void Describe(console& io) const;

 private:
  void DescribeObjects(console& io) const;
  void DescribePeople(console& io) const;

  std::string name;
  std::string description;
  std::string detail;
  object* objects = nullptr;
  person* people = nullptr;
  std::array<room*, kDirectionCount> exits{};
};

}  // namespace quillmore

#endif  // QUILLMORE_WORLD_ROOM_H_
