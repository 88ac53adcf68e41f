#include "tools/check/data_check.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <set>
#include <sstream>

#include "shell/data_files.h"
#include "tools/captured_output.h"
#include "world/city_map.h"
#include "world/story_names.h"
#include "world/world.h"

// The checker parses no record itself. Each file goes through the game's own loader into a real
// `world`, with standard output captured, and the checks ask that world with the game's own
// lookups. Line numbers follow from the record structure (three lines a room, two a person,
// three an object and a fourth, the holder, when its location is "NPC") together with what the
// loaders did: which objects they gave to people, and the message each unplaced object left.

namespace {

const char* const kFileNames[] = {"rooms.txt", "people.txt", "objects.txt"};

// Where an object must start for the story to work: with a person, or with the player (none).
struct story_holding {
  const char* item;
  const char* holder;
};
const story_holding kStoryHoldings[] = {{kPhotos, kRuaidhri},
                                        {kNapkin, kJohn},
                                        {kPintOfGuinness, kSiobhan},
                                        {kPhotoSlip, nullptr},
                                        {kEnglishCoins, nullptr}};

// What the object loader writes when no person's name contains an "NPC" object's holder.
const char* const kNoHolderMessage = "No match for given NPC name.";

constexpr int kRoomLines = 3;
constexpr int kPersonLines = 2;
constexpr int kObjectLines = 3;

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    lines.push_back(line);
  }
  return lines;
}

// The number of the line that holds the character at `offset`.
int LineAt(const std::string& text, std::size_t offset) {
  const auto end = text.begin() + static_cast<std::ptrdiff_t>(offset);
  return 1 + static_cast<int>(std::count(text.begin(), end, '\n'));
}

// Lower case without surrounding blanks: how a name or keyword that is meant right but written
// differently still compares equal.
std::string Folded(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) {
    return "";
  }
  std::string folded = text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
  for (char& letter : folded) {
    letter = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
  }
  return folded;
}

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

bool ListHolds(const object* head, const object* item) {
  for (; head != nullptr; head = head->GetNext()) {
    if (head == item) {
      return true;
    }
  }
  return false;
}

void Collect(const object* head, std::set<const object*>& into) {
  for (; head != nullptr; head = head->GetNext()) {
    into.insert(head);
  }
}

// The slot of the first name equal to `name`, or -1.
int ExactSlot(const std::vector<std::string>& names, const std::string& name) {
  const auto found = std::find(names.begin(), names.end(), name);
  return found == names.end() ? -1 : static_cast<int>(found - names.begin());
}

// A data file as text and as lines (line feeds removed, carriage returns kept).
struct data_file {
  std::string name;
  bool readable = false;
  std::string text;
  std::vector<std::string> lines;

  int LineCount() const { return static_cast<int>(lines.size()); }
  // Line `number`, counted from 1, as the game reads it; empty past the end of the file.
  std::string Line(int number) const {
    if (number < 1 || number > LineCount()) {
      return "";
    }
    const std::string& line = lines[number - 1];
    const bool endsInReturn = !line.empty() && line.back() == '\r';
    return endsInReturn ? line.substr(0, line.size() - 1) : line;
  }
};

std::string PathOf(const std::string& folder, const std::string& name) {
  if (folder.empty() || folder == ".") {
    return name;
  }
  return folder.back() == '/' ? folder + name : folder + "/" + name;
}

data_file ReadDataFile(const std::string& folder, const char* name) {
  data_file file;
  file.name = name;
  std::ifstream in = OpenDataFile(PathOf(folder, name).c_str());
  file.readable = !in.fail();
  if (file.readable) {
    std::ostringstream text;
    text << in.rdbuf();
    file.text = text.str();
    file.lines = SplitLines(file.text);
  }
  return file;
}

// An object record: its first line, whether it has a holder line, and whether the loader could
// not place it anywhere.
struct object_record {
  int start;
  bool holderLine;
  bool unplaced;
};

class checker {
 public:
  explicit checker(const std::string& folder)
      : rooms(ReadDataFile(folder, kFileNames[0])),
        people(ReadDataFile(folder, kFileNames[1])),
        objects(ReadDataFile(folder, kFileNames[2])) {}

  std::vector<finding> Run();

 private:
  using loader = bool (world::*)(std::istream&);

  void Report(const data_file& file, int line, const std::string& message);
  void CheckText(const data_file& file);
  std::vector<std::string> Load(const data_file& file, loader load);
  void ListPeople();
  void FindObjectRecords(const std::vector<std::string>& messages);

  void CheckMap();
  void CheckMapPlace(const std::string& place);
  void CheckPeople();
  void CheckPersonLocations();
  void CheckShadowedPeople();
  void CheckObjects();
  void CheckObjectLocation(const object_record& record);
  void CheckStoryHoldings();
  void CheckRequiredNames(const data_file& file, const std::vector<std::string>& names,
                          const std::vector<int>& starts, const std::vector<std::string>& required,
                          const char* what);

  data_file rooms;
  data_file people;
  data_file objects;
  std::unique_ptr<world> game = std::make_unique<world>();
  std::vector<std::string> peopleNames;
  std::vector<int> peopleStarts;
  std::vector<std::string> objectNames;
  std::vector<object_record> objectRecords;
  std::vector<finding> findings;
};

std::vector<finding> checker::Run() {
  for (const data_file* file : {&rooms, &people, &objects}) {
    CheckText(*file);
  }
  if (rooms.readable && people.readable && objects.readable) {
    Load(rooms, &world::LoadRooms);
    Load(people, &world::LoadPeople);
    ListPeople();
    FindObjectRecords(Load(objects, &world::LoadObjects));
    CheckMap();
    CheckPeople();
    CheckObjects();
  }
  const auto order = [](const finding& found) {
    return std::find(std::begin(kFileNames), std::end(kFileNames), found.file) - kFileNames;
  };
  std::stable_sort(findings.begin(), findings.end(), [&](const finding& a, const finding& b) {
    return order(a) != order(b) ? order(a) < order(b) : a.line < b.line;
  });
  return findings;
}

// A record that the end of the file made up has no line of its own: the line feed finding
// tells of it, so findings past the last line are dropped.
void checker::Report(const data_file& file, int line, const std::string& message) {
  if (line <= file.LineCount()) {
    findings.push_back({file.name, line, message});
  }
}

void checker::CheckText(const data_file& file) {
  if (!file.readable) {
    Report(file, 0, "missing or unreadable");
    return;
  }
  for (int number = 1; number <= file.LineCount(); ++number) {
    if (file.lines[number - 1].find('\r') != std::string::npos) {
      Report(file, number, "carriage return: save the file with plain line feeds");
    }
  }
  if (!file.text.empty() && file.text.back() == '\n') {
    Report(file, file.LineCount(),
           "line feed after the last line: the game reads one more, empty record");
  }
}

// Runs the game's loader on the file and returns the lines it wrote. A loader stops after 100
// records, so anything it left unread is records it never took.
std::vector<std::string> checker::Load(const data_file& file, loader load) {
  std::istringstream in(file.text);
  const captured_output said;
  (game.get()->*load)(in);
  const std::streamoff read = in.rdbuf()->pubseekoff(0, std::ios::cur, std::ios::in);
  if (read >= 0 && static_cast<std::size_t>(read) < file.text.size()) {
    Report(file, LineAt(file.text, static_cast<std::size_t>(read)),
           "more than 100 records: the game reads none from here on");
  }
  return SplitLines(said.Text());
}

// An object that a person holds had a holder line. Of the others, each one the loader could
// not place left one message, in slot order; the holder message marks an "NPC" record.
void checker::FindObjectRecords(const std::vector<std::string>& messages) {
  std::set<const object*> held;
  std::set<const object*> placed;
  for (int slot = 0; slot < game->PeopleCount(); ++slot) {
    Collect(game->PersonAt(slot).GetHeldItems(), held);
  }
  for (int slot = 0; slot < game->RoomCount(); ++slot) {
    Collect(game->RoomAt(slot).GetObjects(), placed);
  }
  Collect(game->Inventory(), placed);
  std::size_t message = 0;
  int line = 1;
  for (int slot = 0; slot < game->ObjectCount(); ++slot) {
    const object* item = &game->ObjectAt(slot);
    object_record record{line, held.count(item) > 0, false};
    if (!record.holderLine && placed.count(item) == 0) {
      record.unplaced = true;
      record.holderLine = message < messages.size() && messages[message] == kNoHolderMessage;
      ++message;
    }
    line += kObjectLines + (record.holderLine ? 1 : 0);
    objectRecords.push_back(record);
    objectNames.push_back(item->GetName());
  }
}

void checker::ListPeople() {
  for (int slot = 0; slot < game->PeopleCount(); ++slot) {
    peopleNames.push_back(game->PersonAt(slot).GetName());
    peopleStarts.push_back(slot * kPersonLines + 1);
  }
}

void checker::CheckMap() {
  std::set<std::string> places;
  for (const connection& link : kCityMap) {
    for (const char* place : {link.first, link.second}) {
      if (places.insert(place).second) {
        CheckMapPlace(place);
      }
    }
  }
}

// The map finds a place by the first room whose name contains it, so exactly one may.
void checker::CheckMapPlace(const std::string& place) {
  std::vector<int> slots;
  for (int slot = 0; slot < game->RoomCount(); ++slot) {
    if (game->RoomAt(slot).HasName(place)) {
      slots.push_back(slot);
    }
  }
  if (slots.empty()) {
    const char* why = place == kStartRoom ? ", where the game starts" : "";
    Report(rooms, 0, "no room's name contains the map place " + Quoted(place) + why);
    return;
  }
  const room& first = game->RoomAt(slots.front());
  for (std::size_t i = 1; i < slots.size(); ++i) {
    Report(rooms, slots[i] * kRoomLines + 1,
           Quoted(game->RoomAt(slots[i]).GetName()) + " contains the map place " + Quoted(place) +
               " too; the map takes " + Quoted(first.GetName()) + " (line " +
               std::to_string(slots.front() * kRoomLines + 1) + ")");
  }
}

void checker::CheckPeople() {
  CheckPersonLocations();
  CheckRequiredNames(people, peopleNames, peopleStarts,
                     {std::begin(kStoryPeople), std::end(kStoryPeople)}, "person");
  CheckShadowedPeople();
}

void checker::CheckPersonLocations() {
  for (int slot = 0; slot < game->PeopleCount(); ++slot) {
    const person& someone = game->PersonAt(slot);
    bool standing = someone.GetName() == kDiarmuid;  // placed later, by the story
    for (int index = 0; index < game->RoomCount() && !standing; ++index) {
      standing = game->RoomAt(index).HasPerson(someone);
    }
    if (!standing) {
      const int line = slot * kPersonLines + 2;
      Report(people, line, "location " + Quoted(people.Line(line)) + " is in no room's name");
    }
  }
}

// The story finds its people with `FindNPC`, which takes the first name that contains the one
// it looks for: "Tomas" ahead of "Tom" would be found in Tom's place.
void checker::CheckShadowedPeople() {
  for (const char* name : kStoryPeople) {
    if (ExactSlot(peopleNames, name) < 0) {
      continue;
    }
    int slot = world::kNoPerson;
    {
      const captured_output quiet;
      slot = game->FindNPC(name);
    }
    const std::string& found = peopleNames[slot];
    if (found != name) {
      Report(people, peopleStarts[slot],
             Quoted(found) + " comes before " + Quoted(name) + " and contains it, so the game " +
                 "finds " + Quoted(found) + " when it looks for " + Quoted(name));
    }
  }
}

void checker::CheckObjects() {
  std::vector<int> starts;
  for (const object_record& record : objectRecords) {
    CheckObjectLocation(record);
    starts.push_back(record.start);
  }
  std::vector<std::string> required(std::begin(kStoryObjects), std::end(kStoryObjects));
  required.insert(required.end(), std::begin(kPubDrinks), std::end(kPubDrinks));
  CheckRequiredNames(objects, objectNames, starts, required, "object");
  CheckStoryHoldings();
}

void checker::CheckObjectLocation(const object_record& record) {
  const int locationLine = record.start + 2;
  const std::string location = objects.Line(locationLine);
  const std::string folded = Folded(location);
  const bool keyword = location == kHeldByPerson || location == kCarriedByPlayer;
  if (!keyword && (folded == Folded(kHeldByPerson) || folded == Folded(kCarriedByPlayer))) {
    Report(objects, locationLine,
           Quoted(location) + " is read as a place: the keywords NPC and USER must be in " +
               "capitals, alone on the line");
  } else if (record.unplaced && record.holderLine) {
    Report(objects, locationLine + 1,
           "holder " + Quoted(objects.Line(locationLine + 1)) + " is in no person's name");
  } else if (record.unplaced) {
    Report(objects, locationLine, "location " + Quoted(location) + " is in no room's name");
  }
}

void checker::CheckStoryHoldings() {
  for (const story_holding& holding : kStoryHoldings) {
    const int slot = ExactSlot(objectNames, holding.item);
    if (slot < 0 || objectRecords[slot].unplaced) {
      continue;  // reported as missing, or with its location or holder
    }
    const object* item = &game->ObjectAt(slot);
    const int line = objectRecords[slot].start;
    if (holding.holder == nullptr) {
      if (!ListHolds(game->Inventory(), item)) {
        Report(objects, line, Quoted(holding.item) + " must start with the player: location USER");
      }
      continue;
    }
    const int holder = ExactSlot(peopleNames, holding.holder);
    if (holder >= 0 && !ListHolds(game->PersonAt(holder).GetHeldItems(), item)) {
      Report(objects, line,
             Quoted(holding.item) + " must start with " + Quoted(holding.holder) +
                 ": location NPC, then a holder line that finds that person");
    }
  }
}

// The story compares these names whole and exactly.
void checker::CheckRequiredNames(const data_file& file, const std::vector<std::string>& names,
                                 const std::vector<int>& starts,
                                 const std::vector<std::string>& required, const char* what) {
  for (const std::string& name : required) {
    if (ExactSlot(names, name) >= 0) {
      continue;
    }
    const auto near = std::find_if(names.begin(), names.end(), [&](const std::string& other) {
      return Folded(other) == Folded(name);
    });
    if (near == names.end()) {
      Report(file, 0, std::string("no ") + what + " is named " + Quoted(name));
    } else {
      Report(file, starts[near - names.begin()],
             Quoted(*near) + " must be named exactly " + Quoted(name));
    }
  }
}

}  // namespace

std::vector<finding> CheckData(const std::string& folder) {
  checker check(folder);
  return check.Run();
}

std::string FormatFinding(const std::string& folder, const finding& found) {
  std::string text = PathOf(folder, found.file);
  if (found.line > 0) {
    text += ":" + std::to_string(found.line);
  }
  return text + ": " + found.message;
}
