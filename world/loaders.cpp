#include "story/story.h"
#include "world/data_reader.h"
#include "world/world.h"

namespace quillmore {

// Every loader reads another record while it has fewer than 100 and at least one byte of its file
// is left, so a line feed after the last line, or an empty file, adds no record. The end is
// tested before each record, never inside one: a record cut short keeps its missing lines empty,
// or, for a location, the text of the record before.

namespace {

constexpr const char* kStartRoom = "Fitzgerald Park";

bool MoreRecords(data_reader& in, int count) {
  return count < world::kTableSize && !in.AtEnd();
}

// Notes where the next record starts, for the data checker.
void NextRecord(const data_reader& in, data_file file, load_report& report) {
  report.recordStarts[static_cast<int>(file)].push_back(in.LineNumber() + 1);
}

bool Opened(const data_reader& in, data_file file, load_report& report) {
  if (!in.Opened()) {
    report.Add(file, 0, problem::kNoFile, FileName(file));
  }
  return in.Opened();
}

}  // namespace

bool world::LoadRooms(std::istream& file, load_report& report) {
  data_reader in(file);
  if (!Opened(in, data_file::kRooms, report)) {
    return false;
  }
  while (MoreRecords(in, roomCount)) {
    NextRecord(in, data_file::kRooms, report);
    rooms[roomCount].Read(in);
    ++roomCount;
  }
  currentRoom = RoomByName(kStartRoom);
  if (currentRoom == nullptr) {
    report.Add(data_file::kRooms, 0, problem::kNoStartRoom, kStartRoom);
  }
  return currentRoom != nullptr;
}

bool world::LoadPeople(std::istream& file, load_report& report) {
  data_reader in(file);
  if (!Opened(in, data_file::kPeople, report)) {
    return false;
  }
  // One location text for the whole file: a record cut short by the end keeps the last one.
  std::string location;
  while (MoreRecords(in, peopleCount)) {
    NextRecord(in, data_file::kPeople, report);
    const int slot = peopleCount;
    person& newcomer = people[slot];
    newcomer.ReadName(in);
    in.ReadLine(location);
    ++peopleCount;
    const role* part = RoleOf(newcomer.GetName());
    const bool inSight = part == nullptr || !part->outOfSight;
    if (inSight && !PlaceInRoom(location, slot)) {
      report.Add(data_file::kPeople, in.LineNumber(), problem::kPersonPlace, location);
    }
    if (part != nullptr) {
      newcomer.SetQuestStage(part->startStage);
    }
  }
  return true;
}

bool world::LoadObjects(std::istream& file, load_report& report) {
  data_reader in(file);
  if (!Opened(in, data_file::kObjects, report)) {
    return false;
  }
  std::string location;
  while (MoreRecords(in, objectCount)) {
    NextRecord(in, data_file::kObjects, report);
    const int slot = objectCount;
    objects[slot].Read(in);
    in.ReadLine(location);
    ++objectCount;
    SearchForName(in, location, slot, report);
  }
  return true;
}

}  // namespace quillmore
