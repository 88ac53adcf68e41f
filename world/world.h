#ifndef QUILLMORE_WORLD_WORLD_H_
#define QUILLMORE_WORLD_WORLD_H_

#include <array>
#include <cstdint>
#include <istream>
#include <string>

#include "world/object.h"
#include "world/person.h"
#include "world/room.h"

// The one owner of the game. It holds every room, object and person by value in three fixed
// tables; every relation between records is a non-owning pointer into those tables, valid as
// long as the world lives. Nothing is allocated or freed during play and no record moves.
//
// Fixed after loading: the tables, their counts and the exits. Changed during play: list
// memberships, the current room, and the people's stages.
class world {
 public:
  static constexpr int kTableSize = 100;
  static constexpr int kNoPerson = -1;

  world() = default;
  world(const world&) = delete;
  world& operator=(const world&) = delete;

  // Loaders (loaders.cpp). Each returns false when the game cannot go on: its file could not be
  // opened, or, for the rooms, no room is the start room. It has then written its message.
  bool LoadRooms(std::istream& in);
  bool LoadPeople(std::istream& in);
  bool LoadObjects(std::istream& in);

  // Lookups (lookups.cpp) and the errand chain (errand_chain.cpp).
  int FindNPC(const std::string& text);
  room* RoomByName(const std::string& text);
  void PlacePersonInRoom(const std::string& text, int slot);
  void SearchForName(std::istream& in, const std::string& location, int slot);
  void AdvanceQuest(std::string name);

  // The city map and movement (city_map.cpp, movement.cpp).
  void BuildMap();
  void LinkRooms(room& first, int direction, room& second);
  room* Move(int direction);
  void DescribeCurrentRoom() const;

  // Carrying (inventory.cpp) and looking (looking.cpp).
  void ShowInventory() const;
  void GetObject(std::string text);
  void DropObject(std::string text);
  bool IsCarrying(const std::string& text) const;
  object* RemoveFromInventory(const std::string& text);
  object* FindInInventory(const std::string& text) const;
  void LookAt(const std::string& target) const;

  // Giving (giving.cpp), talking (talking.cpp) and the pub drinks (pub_drinks.cpp).
  void GiveObject(const std::string& objectText, const std::string& personText);
  bool WantsObject(std::string objectText, const person& receiver) const;
  bool TalkTo(const std::string& text);
  person* FindPersonHere(const std::string& text) const;
  void TakeFromPerson(const std::string& item, const std::string& holder);
  bool HasAllPubDrinks() const;

  // Read access for tools and tests.
  int RoomCount() const { return roomCount; }
  int ObjectCount() const { return objectCount; }
  int PeopleCount() const { return peopleCount; }
  const room& RoomAt(int slot) const { return rooms[slot]; }
  room& RoomAt(int slot) { return rooms[slot]; }
  const object& ObjectAt(int slot) const { return objects[slot]; }
  const person& PersonAt(int slot) const { return people[slot]; }
  person& PersonAt(int slot) { return people[slot]; }
  room* CurrentRoom() const { return currentRoom; }
  object* Inventory() const { return inventory; }

 private:
  bool StandsInAnyRoom(const person& someone) const;

  // A person's conversation and the story steps around it (talking.cpp, story_steps.cpp).
  using script = bool (person::*)();
  using story_step = void (world::*)(person&);
  struct dialogue {
    const char* name;
    script talk;
    story_step before;  // may be none
    story_step after;   // when the script returned true; may be none
  };
  static const dialogue* DialogueFor(const std::string& name);

  void BeforeSean(person& sean);
  void BeforeJohn(person& john);
  void AfterRuaidhri(person& ruaidhri);
  void AfterSean(person& sean);
  void AfterJohn(person& john);
  void AfterJack(person& jack);
  void AfterSiobhan(person& siobhan);
  void AfterTom(person& tom);
  // The person `FindNPC` finds for `name`, or none when nobody is found.
  person* StoryPerson(const char* name);

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

#endif  // QUILLMORE_WORLD_WORLD_H_
