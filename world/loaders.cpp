#include "world/data_reader.h"
#include "world/world.h"

namespace quillmore {

// Every loader reads another record while it has fewer than 100 and at least one byte of its file
// is left, so a line feed after the last line, or an empty file, adds no record. The end is
// tested before each record, never inside one: a record cut short keeps its missing lines empty,
// or, for a location, the text of the record before.

namespace {

// Whether there is another record to read; at the 100th, notes where the rest goes unread, for
// the data checker.
bool MoreRecords(const data_reader& in, std::size_t count, data_file file, load_report& report) {
  if (in.AtEnd()) {
    return false;
  }
  if (count < static_cast<std::size_t>(kTableSize)) {
    return true;
  }
  report.unreadFrom[static_cast<int>(file)] = in.LineNumber() + 1;
  return false;
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

bool world::LoadRooms(file_contents file, load_report& report, std::string_view start) {
  data_reader in(file);
  if (!Opened(in, data_file::kRooms, report)) {
    return false;
  }
  std::vector<room>& rooms = Tables().rooms;
  while (MoreRecords(in, rooms.size(), data_file::kRooms, report)) {
    NextRecord(in, data_file::kRooms, report);
    room& place = rooms.emplace_back();
    in.ReadLine(place.name);
    in.ReadLine(place.description);
    in.ReadLine(place.detail);
  }
  now.currentRoom = static_cast<slot>(RoomByName(start));
  if (now.currentRoom == kNone) {
    report.Add(data_file::kRooms, 0, problem::kNoStartRoom, std::string(start));
  }
  return now.currentRoom != kNone;
}

bool world::LoadPeople(file_contents file, load_report& report, const entrance_rule& entranceOf) {
  data_reader in(file);
  if (!Opened(in, data_file::kPeople, report)) {
    return false;
  }
  std::vector<person>& people = Tables().people;
  // One location text for the whole file: a record cut short by the end keeps the last one.
  std::string location;
  while (MoreRecords(in, people.size(), data_file::kPeople, report)) {
    NextRecord(in, data_file::kPeople, report);
    const int newcomer = static_cast<int>(people.size());
    in.ReadLine(people.emplace_back().name);
    in.ReadLine(location);
    const entrance arrives = entranceOf ? entranceOf(people.back().name) : entrance{};
    if (!arrives.placedLater && !PlacePersonInRoom(location, newcomer)) {
      report.Add(data_file::kPeople, in.LineNumber(), problem::kPersonPlace, location);
    }
    now.questStage[newcomer] = arrives.start;
  }
  return true;
}

bool world::LoadObjects(file_contents file, load_report& report) {
  data_reader in(file);
  if (!Opened(in, data_file::kObjects, report)) {
    return false;
  }
  std::vector<object>& objects = Tables().objects;
  std::string location;
  while (MoreRecords(in, objects.size(), data_file::kObjects, report)) {
    NextRecord(in, data_file::kObjects, report);
    const int item = static_cast<int>(objects.size());
    object& loaded = objects.emplace_back();
    in.ReadLine(loaded.name);
    in.ReadLine(loaded.description);
    in.ReadLine(location);
    // A held object's record has a fourth line: the holder.
    if (location == kHeldByPerson) {
      std::string holder;
      in.ReadLine(holder);
      const int owner = FindNPC(holder);
      if (owner == kNone) {
        report.Add(data_file::kObjects, in.LineNumber(), problem::kObjectHolder, holder);
      } else {
        PushObject(now.heldItems[owner], item);
      }
    } else if (location == kCarriedByPlayer) {
      PushObject(now.inventory, item);
    } else if (const int place = RoomByName(location); place != kNone) {
      PushObject(now.roomObjects[place], item);
    } else {
      report.Add(data_file::kObjects, in.LineNumber(), problem::kObjectPlace, location);
    }
  }
  return true;
}

}  // namespace quillmore
