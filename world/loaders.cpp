#include <iostream>

#include "world/data_line.h"
#include "world/story_names.h"
#include "world/world.h"

// Every loader reads records until it has 100 or a read has run into the end of its file. The end
// is tested before each record, never inside one: a line feed after the last line therefore
// makes one more, empty record, and a record cut short keeps its missing lines empty.

namespace {

bool FileOpened(std::istream& in, const char* what) {
  if (in.fail()) {
    std::cout << "No input file found for " << what << "." << std::endl;
    return false;
  }
  return true;
}

bool MoreRecords(std::istream& in, int count) {
  return count < world::kTableSize && !in.eof();
}

}  // namespace

bool world::LoadRooms(std::istream& in) {
  if (!FileOpened(in, "rooms")) {
    return false;
  }
  while (MoreRecords(in, roomCount)) {
    rooms[roomCount].Read(in);
    ++roomCount;
  }
  currentRoom = RoomByName(kStartRoom);
  return currentRoom != nullptr;
}

bool world::LoadPeople(std::istream& in) {
  if (!FileOpened(in, "people")) {
    return false;
  }
  // One location text for the whole file: a record cut short by the end keeps the last one.
  std::string location;
  while (MoreRecords(in, peopleCount)) {
    const int slot = peopleCount;
    person& newcomer = people[slot];
    newcomer.ReadName(in);
    ReadDataLine(in, location);
    ++peopleCount;
    const std::string name = newcomer.GetName();
    if (name != kDiarmuid) {  // he enters the story later
      PlacePersonInRoom(location, slot);
    }
    if (name == kRuaidhri || name == kConor) {
      newcomer.SetQuestStage(kQuestOpen);
    }
  }
  return true;
}

bool world::LoadObjects(std::istream& in) {
  if (!FileOpened(in, "object")) {
    return false;
  }
  std::string location;
  while (MoreRecords(in, objectCount)) {
    const int slot = objectCount;
    objects[slot].Read(in);
    ReadDataLine(in, location);
    ++objectCount;
    SearchForName(in, location, slot);
  }
  return true;
}
