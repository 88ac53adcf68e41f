#ifndef QUILLMORE_WORLD_WORLD_H_
#define QUILLMORE_WORLD_WORLD_H_

#include <array>
#include <cstdint>
#include <istream>
#include <string>

#include "world/direction.h"
#include "world/load_report.h"
#include "world/object.h"
#include "world/person.h"
#include "world/room.h"

namespace quillmore {

class console;
class data_reader;

// The one owner of the game. It holds every room, object and person by value in three fixed
// tables; every relation between records is a non-owning pointer into those tables, valid as
// long as the world lives. Nothing is allocated or freed during play and no record moves.
// Everything the player's actions write goes to the console the world is given, which must
// outlive it.
//
// Fixed after loading: the tables, their counts and the exits. Changed during play: list
// memberships, the current room, and the people's stages.
class world {
 public:
  static constexpr int kTableSize = 100;
  static constexpr int kNoPerson = -1;

  explicit world(console& io) : io(io) {}
  world(const world&) = delete;
  world& operator=(const world&) = delete;

  // Loaders (loaders.cpp). Each adds what it met to the report and returns false when the game
  // cannot go on: its file could not be opened, or, for the rooms, no room is the start room.
  bool LoadRooms(std::istream& file, load_report& report);
  bool LoadPeople(std::istream& file, load_report& report);
  bool LoadObjects(std::istream& file, load_report& report);

  // Lookups (lookups.cpp) and the errand chain (errand_chain.cpp). FindNPC writes its message
  // when nobody is found; FindPerson and RoomByName only return none.
  int FindNPC(const std::string& text);
  int FindPerson(const std::string& text) const;
  room* RoomByName(const std::string& text);
  void PlacePersonInRoom(const std::string& text, int slot);
  void AdvanceQuest(std::string name);
  // The person's errand is done, and the next one of the chain is open.
  void FinishErrand(person& someone);
  // The person FindNPC finds for `text`, or none.
  person* PersonNamed(const std::string& text);

  // The city map and movement (city_map.cpp, movement.cpp).
  void BuildMap(load_report& report);
  void LinkRooms(room& first, direction way, room& second);
  room* Move(direction way);
  void DescribeCurrentRoom() const;

  // Carrying (inventory.cpp) and looking (looking.cpp).
  void ShowInventory() const;
  void GetObject(std::string text);
  void DropObject(std::string text);
  bool IsCarrying(const std::string& text) const;
  object* RemoveFromInventory(const std::string& text);
  const object* FindInInventory(const std::string& text) const;
  void LookAt(const std::string& target) const;

  // Giving (giving.cpp), talking (talking.cpp) and the pub drinks (pub_drinks.cpp).
  void GiveObject(const std::string& objectText, const std::string& personText);
  bool WantsObject(std::string objectText, const person& receiver) const;
  bool TalkTo(const std::string& text);
  person* FindPersonHere(const std::string& text);
  void TakeFromPerson(const std::string& item, const std::string& holder);
  bool HasAllPubDrinks() const;

  // Read access for tools and tests.
  int RoomCount() const { return roomCount; }
  int ObjectCount() const { return objectCount; }
  int PeopleCount() const { return peopleCount; }
  const room& RoomAt(int slot) const { return rooms[slot]; }
  const object& ObjectAt(int slot) const { return objects[slot]; }
  const person& PersonAt(int slot) const { return people[slot]; }
  person& PersonAt(int slot) { return people[slot]; }
  const room* CurrentRoom() const { return currentRoom; }
  const object* Inventory() const { return inventory; }

 private:
  // Placing loaded records (lookups.cpp). Each returns false when nothing matched.
  bool PlaceInRoom(const std::string& text, int slot);
  bool StandsInAnyRoom(const person& someone) const;
  void SearchForName(data_reader& in, const std::string& location, int slot, load_report& report);

  console& io;

  // Loaded once, then fixed.
  std::int32_t roomCount = 0;
  std::array<room, kTableSize> rooms{};
  std::int32_t objectCount = 0;
  std::array<object, kTableSize> objects{};
  std::int32_t peopleCount = 0;
  std::array<person, kTableSize> people{};

  // The player.
  room* currentRoom = nullptr;
  object* inventory = nullptr;
};

}  // namespace quillmore

#endif  // QUILLMORE_WORLD_WORLD_H_
