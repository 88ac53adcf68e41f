#ifndef QUILLMORE_WORLD_WORLD_H_
#define QUILLMORE_WORLD_WORLD_H_

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "world/city_map.h"
#include "world/data_reader.h"
#include "world/direction.h"
#include "world/happening.h"
#include "world/load_report.h"
#include "world/object.h"
#include "world/person.h"
#include "world/room.h"
#include "world/slot.h"
#include "world/slot_list.h"

namespace quillmore {

// What the story says of a person when the people file names him or her: whether the story, not
// the file, brings the person into a room, and the errand stage he or she starts at.
struct entrance {
  bool placedLater = false;
  quest_stage start = quest_stage::kIdle;
};
using entrance_rule = std::function<entrance(std::string_view name)>;

// The story the world is played with. The world only carries it, for the story's rules to read;
// what it holds is the story layer's (story/story.h).
struct story;

// The game's world: every room, object and person, where each one is, and how far the story has
// come. It is a value: a copy is an independent game, two can be compared, and Key() tells
// states apart in a hash set. It never reads from the player or writes anything: each action
// returns what happened, and the game says it.
//
// Records sit in tables and refer to one another by slot. What never changes once the data are
// loaded (the records' texts and the exits) is shared by every copy; what play changes (the
// lists, the current room, the stages) is a few hundred bytes of slots, cheap to copy.
class world {
 public:
  world();

  // Loaders (loaders.cpp) and the map (city_map.cpp). Each loader adds what it met to the report
  // and returns false when the game cannot go on: its file could not be opened, or, for the
  // rooms, no room's name contains the start place. People come before objects, which they may
  // hold. A map of the folder's `own` reports its problems as map.txt's; the built-in one bends
  // to whatever rooms there are.
  bool LoadRooms(file_contents file, load_report& report, std::string_view start);
  bool LoadPeople(file_contents file, load_report& report, const entrance_rule& entranceOf = {});
  bool LoadObjects(file_contents file, load_report& report);
  void BuildMap(const city_map& map, load_report& report, bool own = false);

  // The story played in this world, shared by every copy; none until one is told.
  void Tell(std::shared_ptr<const story> played) { tale = std::move(played); }
  const story* Story() const { return tale.get(); }

  // The records, fixed once loaded.
  int RoomCount() const { return static_cast<int>(records->rooms.size()); }
  int ObjectCount() const { return static_cast<int>(records->objects.size()); }
  int PeopleCount() const { return static_cast<int>(records->people.size()); }
  const room& RoomAt(int at) const { return records->rooms[static_cast<std::size_t>(at)]; }
  const object& ObjectAt(int at) const { return records->objects[static_cast<std::size_t>(at)]; }
  const person& PersonAt(int at) const { return records->people[static_cast<std::size_t>(at)]; }

  // Lookups (lookups.cpp): the slot of the first record whose name contains `text`, or kNone.
  // Tables are searched from slot 0, lists from the front.
  int FindNPC(std::string_view text) const;          // every person
  int RoomByName(std::string_view text) const;       // every room
  int FindPersonHere(std::string_view text) const;   // the people standing in the current room
  int FindObjectHere(std::string_view text) const;   // the objects lying in the current room
  int FindInInventory(std::string_view text) const;  // the objects the player carries
  bool IsCarrying(std::string_view text) const { return FindInInventory(text) != kNone; }

  // Where everything is. Lists run newest first.
  int CurrentRoom() const { return now.currentRoom; }
  slot_list Inventory() const { return {now.inventory, now.nextObject}; }
  slot_list ObjectsIn(int place) const { return {now.roomObjects[place], now.nextObject}; }
  slot_list PeopleIn(int place) const { return {now.roomPeople[place], now.nextPerson}; }
  slot_list HeldBy(int holder) const { return {now.heldItems[holder], now.nextObject}; }
  // The room where the person stands, or none.
  int RoomOf(int someone) const;

  // The story's stages of each person: the whole of the story's state.
  quest_stage QuestStage(int someone) const { return now.questStage[someone]; }
  gift_stage GiftStage(int someone) const { return now.giftStage[someone]; }
  void SetQuestStage(int someone, quest_stage stage) { now.questStage[someone] = stage; }
  void SetGiftStage(int someone, gift_stage stage) { now.giftStage[someone] = stage; }

  // The player's actions (movement.cpp, inventory.cpp, looking.cpp), given the texts he typed.
  happening Move(direction way);
  happening GetObject(std::string_view text);
  happening DropObject(std::string_view text);
  // "none" looks around.
  happening LookAt(std::string_view target) const;

  // Moves (people.cpp). HandTo gives a carried object to the person. TakeFromPerson hands the
  // first object whose name contains `item` from the first person here whose name contains
  // `holder` to the player.
  void HandTo(int item, int receiver);
  happening TakeFromPerson(std::string_view item, std::string_view holder);
  // Puts the person into the first room whose name contains `place`; false when none does. A
  // person who already stands in a room stays there.
  bool PlacePersonInRoom(std::string_view place, int someone);

  // Two worlds are equal when they hold the same records and the same state of play. The key is
  // the state of play alone, a few bytes for each record: equal for equal states of one world.
  bool operator==(const world& other) const;
  std::string Key() const;

 private:
  struct tables {
    std::vector<room> rooms;
    std::vector<object> objects;
    std::vector<person> people;
    // Every text and exit, one after another: equal for equal tables.
    std::string Contents() const;
    bool SameAs(const tables& other) const;
  };
  // Where each object and person is, the player, and the stages. Every list of objects runs
  // through `nextObject` and every list of people through `nextPerson`; a slot in no list has
  // no next.
  struct play {
    slot_table nextObject = NoSlots();
    slot_table roomObjects = NoSlots();
    slot_table heldItems = NoSlots();
    slot_table nextPerson = NoSlots();
    slot_table roomPeople = NoSlots();
    std::array<quest_stage, kTableSize> questStage = AllAt(quest_stage::kIdle);
    std::array<gift_stage, kTableSize> giftStage = AllAt(gift_stage::kNone);
    slot currentRoom = kNone;
    slot inventory = kNone;
  };

  template <typename stage>
  static constexpr std::array<stage, kTableSize> AllAt(stage value) {
    std::array<stage, kTableSize> all{};
    all.fill(value);
    return all;
  }

  // This world's own tables, to load into: a copy shares them no more.
  tables& Tables();
  void PushObject(slot& head, int item);
  int UnlinkObject(slot& head, std::string_view text);
  void UnlinkSlot(slot& head, int item);
  int FindObjectIn(int head, std::string_view text) const;

  std::shared_ptr<tables> records;
  std::shared_ptr<const story> tale;
  play now;
};

}  // namespace quillmore

#endif  // QUILLMORE_WORLD_WORLD_H_
