#include "tools/check/data_check.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <iterator>
#include <memory>
#include <set>
#include <sstream>

#include "console/read_only_file_system.h"
#include "game/data_files.h"
#include "game/game.h"
#include "story/story.h"
#include "tools/check/edit_distance.h"
#include "tools/check/story_check.h"
#include "tools/check/unicode_form.h"
#include "world/city_map.h"
#include "world/name_match.h"
#include "world/world.h"

// The checker parses no record itself. Each file goes through the game's own loader into a real
// `world`, the game's own BuildMap links its exits, and the checks ask that world with the game's
// own lookups. The loaders report where each record starts and every location or holder that
// found nothing.

namespace quillmore {

namespace {

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    lines.push_back(line);
  }
  return lines;
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

bool ListHolds(slot_list members, int item) {
  for (const int member : members) {
    if (member == item) {
      return true;
    }
  }
  return false;
}

// The slot of the first name equal to `name`, or -1.
int ExactSlot(const std::vector<std::string>& names, const std::string& name) {
  const auto found = std::find(names.begin(), names.end(), name);
  return found == names.end() ? -1 : static_cast<int>(found - names.begin());
}

// A misspelling worth naming: at most one edit for every three letters of the place.
bool Near(std::size_t edits, const std::string& place) {
  return edits * 3 <= place.size();
}

// A data file as text and as lines (line feeds removed, carriage returns kept).
struct file_text {
  data_file file;
  bool readable = false;
  std::string text;
  std::vector<std::string> lines;

  const char* Name() const { return FileName(file); }
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

file_text FileText(const data_texts& data, data_file which) {
  file_text file;
  file.file = which;
  file.readable = data.Of(which).Read();
  if (file.readable) {
    file.text = data.Of(which).text;
    file.lines = SplitLines(file.text);
  }
  return file;
}

// The story's people and the objects it names, from its roles.
std::vector<std::string> StoryPeople(const story& told) {
  std::vector<std::string> names;
  for (const role& part : told.cast) {
    names.emplace_back(part.name);
  }
  return names;
}

std::vector<std::string> StoryObjects(const story& told) {
  std::vector<std::string> names;
  for (const role& part : told.cast) {
    for (const char* item : {part.wants, part.handsOver}) {
      if (item != nullptr && std::find(names.begin(), names.end(), item) == names.end()) {
        names.emplace_back(item);
      }
    }
  }
  for (const drink& counted : told.drinks) {
    names.push_back(counted.name);
  }
  return names;
}

// Whether the story names the object only as wanted, which takes the exact name, and never as
// a hand-over or a drink, which take any name that contains it.
bool OnlyWanted(const story& told, const std::string& name) {
  const bool handed = std::any_of(told.cast.begin(), told.cast.end(), [&name](const role& part) {
    return part.handsOver != nullptr && name == part.handsOver;
  });
  const bool counted = std::any_of(told.drinks.begin(), told.drinks.end(),
                                   [&name](const drink& one) { return name == one.name; });
  return !handed && !counted;
}

// How a fault that others follow from is mended, to tell which lines follow from it: the line
// put in place of another (the keyword meant, the map place a room name misses), or every
// carriage return of the file taken out.
struct mend {
  data_file file;
  int line;              // of the finding
  std::string message;   // of the finding
  int replacedLine = 0;  // 0: take out the carriage returns
  std::string replacement;
};

// Whether a location line comes near enough to a keyword to be meant as one: the same letters
// in another case, with blanks, in another order, or one letter off.
bool NearKeyword(const std::string& location, const std::string& keyword) {
  const std::string folded = Folded(location);
  const std::string wanted = Folded(keyword);
  std::string sortedFolded = folded;
  std::string sortedWanted = wanted;
  std::sort(sortedFolded.begin(), sortedFolded.end());
  std::sort(sortedWanted.begin(), sortedWanted.end());
  return location != keyword && (sortedFolded == sortedWanted || EditsBetween(folded, wanted) <= 1);
}

bool StoryName(const story& told, const std::string& name) {
  const std::vector<std::string> people = StoryPeople(told);
  const std::vector<std::string> objects = StoryObjects(told);
  return std::find(people.begin(), people.end(), name) != people.end() ||
         std::find(objects.begin(), objects.end(), name) != objects.end();
}

// Said where two texts differ although they look the same.
const char kOtherForm[] =
    " only in Unicode's composed form (an accented letter written as one character in one, as a "
    "letter and a combining accent in the other): save the files in one form, NFC";

// Where a location or holder finds nothing as written: the first of `names` that contains it in
// Unicode's composed form, said so, or nothing.
std::string MatchesComposed(const std::vector<std::string>& names, const std::string& text) {
  const std::string composed = Composed(text);
  for (const std::string& name : names) {
    if (NameContains(Composed(name), composed)) {
      return "; it matches " + Quoted(name) + kOtherForm;
    }
  }
  return "";
}

// Among the names that are none the story needs, the one nearest to `name`, if any is near.
int NearestName(const story& told, const std::vector<std::string>& names, const std::string& name) {
  int nearest = -1;
  std::size_t fewest = name.size() + 1;
  for (std::size_t slot = 0; slot < names.size(); ++slot) {
    const std::size_t edits = EditsBetween(names[slot], name);
    if (edits < fewest && Near(edits, name) && !StoryName(told, names[slot])) {
      fewest = edits;
      nearest = static_cast<int>(slot);
    }
  }
  return nearest;
}

class checker {
 public:
  explicit checker(const data_texts& data)
      : rooms(FileText(data, data_file::kRooms)),
        people(FileText(data, data_file::kPeople)),
        objects(FileText(data, data_file::kObjects)),
        told(ReadStoryFiles(data, loaded)) {}

  std::vector<finding> Run();
  const std::vector<mend>& Mends() const { return mends; }

 private:
  void Report(const file_text& file, int line, const std::string& message);
  void CheckText(const file_text& file);
  void ReportUnread(const file_text& file);
  void ReportLoadProblems();

  void CheckMap();
  void CheckMapPlace(const std::string& place, const std::set<std::string>& places);
  int NearestUnplacedRoom(const std::string& place, const std::set<std::string>& places) const;
  void FindReachableRooms();
  void CheckReachable();
  bool Reachable(int place) const;
  void CheckPeople();
  void CheckShadowedPeople();
  void CheckStoryPlaces();
  int LocationLine(int personSlot) const;
  void CheckStoryPlace(const role& part, int slot);
  void CheckEntrance(const role& part, int slot);
  void CheckNamedTwice(const file_text& file, const std::vector<std::string>& names,
                       const std::vector<int>& starts);
  void CheckObjects();
  void CheckKeywords();
  void CheckStoryHoldings();
  void CheckOverlaps();
  void CheckHolding(const char* item, const char* holder);
  void CheckRequiredNames(const file_text& file, const std::vector<std::string>& names,
                          const std::vector<int>& starts, const std::vector<std::string>& required,
                          const char* what);
  bool Unplaced(int objectSlot) const;

  file_text rooms;
  file_text people;
  file_text objects;
  std::unique_ptr<world> game = std::make_unique<world>();
  load_report loaded;
  std::shared_ptr<story> told;
  std::vector<std::string> roomNames;
  std::vector<std::string> peopleNames;
  std::vector<std::string> objectNames;
  // By room slot: whether exits lead there from the start room.
  std::vector<bool> reachable;
  // Rooms already reported as the near miss of a map place or as a second room containing one:
  // the map links neither, and they are not reported as out of reach as well.
  std::set<int> explainedRooms;
  std::vector<finding> findings;
  std::vector<mend> mends;
};

std::vector<finding> checker::Run() {
  for (const file_text* file : {&rooms, &people, &objects}) {
    CheckText(*file);
  }
  if (rooms.readable && people.readable && objects.readable) {
    game->LoadRooms(rooms.text, loaded, told->map.start);
    game->LoadPeople(people.text, loaded,
                     [this](std::string_view name) { return EntranceOf(*told, name); });
    game->LoadObjects(objects.text, loaded);
    for (const file_text* file : {&rooms, &people, &objects}) {
      ReportUnread(*file);
    }
    if (told->ownMap && game->CurrentRoom() == kNone) {
      loaded.Add(data_file::kMap, told->map.startLine, story_fault::kUnknownPlace, told->map.start);
    }
    game->BuildMap(told->map, loaded, told->ownMap);
    if (told->ownStory) {
      CheckStoryNames(*game, *told, loaded);
    }
    game->Tell(told);
    for (int slot = 0; slot < game->RoomCount(); ++slot) {
      roomNames.push_back(game->RoomAt(slot).name);
    }
    for (int slot = 0; slot < game->PeopleCount(); ++slot) {
      peopleNames.push_back(game->PersonAt(slot).name);
    }
    for (int slot = 0; slot < game->ObjectCount(); ++slot) {
      objectNames.push_back(game->ObjectAt(slot).name);
    }
    ReportLoadProblems();
    FindReachableRooms();
    if (!told->ownMap) {
      CheckMap();
    }
    CheckReachable();
    CheckPeople();
    CheckObjects();
  }
  const std::vector<finding> story = CheckStory(*game, *told, loaded);
  findings.insert(findings.end(), story.begin(), story.end());
  std::stable_sort(findings.begin(), findings.end(), [](const finding& a, const finding& b) {
    return a.file != b.file ? a.file < b.file : a.line < b.line;
  });
  return findings;
}

// A record cut short by the end of the file reads its missing lines as empty, or as the location
// before; a problem the loader meets on such a line has no line of its own and is dropped.
void checker::Report(const file_text& file, int line, const std::string& message) {
  if (line <= file.LineCount()) {
    findings.push_back({file.file, line, message});
  }
}

// Carriage returns are one fault of the file, told once at the first line that has one.
void checker::CheckText(const file_text& file) {
  if (!file.readable) {
    Report(file, 0, "missing or unreadable");
    return;
  }
  int first = 0;
  int count = 0;
  for (int number = 1; number <= file.LineCount(); ++number) {
    if (file.lines[number - 1].find('\r') != std::string::npos) {
      first = first == 0 ? number : first;
      ++count;
    }
  }
  if (count == 0) {
    return;
  }
  const std::string message =
      count == 1 ? "carriage return: save the file with plain line feeds"
                 : "carriage returns on " + std::to_string(count) +
                       " lines, the first here: save the file with plain line feeds";
  Report(file, first, message);
  mends.push_back({file.file, first, message, 0, ""});
}

// A loader stops after 100 records, so anything it left unread is records it never took.
void checker::ReportUnread(const file_text& file) {
  if (const int line = loaded.unreadFrom[static_cast<int>(file.file)]; line > 0) {
    Report(file, line, "more than 100 records: the game reads none from here on");
  }
}

// Locations and holders that found nothing. The map's places, the start room among them, are
// checked by name below.
void checker::ReportLoadProblems() {
  for (const load_problem& found : loaded.problems) {
    const file_text& file = found.file == data_file::kPeople ? people : objects;
    const bool keyword = Folded(found.text) == Folded(kHeldByPerson) ||
                         Folded(found.text) == Folded(kCarriedByPlayer);
    switch (found.what) {
      case problem::kPersonPlace:
        Report(file, found.line,
               "location " + Quoted(found.text) + " is in no room's name" +
                   MatchesComposed(roomNames, found.text));
        break;
      case problem::kObjectHolder:
        Report(file, found.line,
               "holder " + Quoted(found.text) + " is in no person's name" +
                   MatchesComposed(peopleNames, found.text));
        break;
      case problem::kObjectPlace:
        if (!keyword && !NearKeyword(found.text, kHeldByPerson) &&
            !NearKeyword(found.text, kCarriedByPlayer)) {  // reported as a keyword
          Report(file, found.line,
                 "location " + Quoted(found.text) + " is in no room's name" +
                     MatchesComposed(roomNames, found.text));
        }
        break;
      case problem::kNoFile:
      case problem::kNoStartRoom:
      case problem::kNoMapPlace:
        break;
    }
  }
}

void checker::CheckMap() {
  std::set<std::string> places;
  std::vector<std::string> inOrder;
  for (const connection& link : told->map.links) {
    for (const std::string& place : {link.first, link.second}) {
      if (places.insert(place).second) {
        inOrder.emplace_back(place);
      }
    }
  }
  for (const std::string& place : inOrder) {
    CheckMapPlace(place, places);
  }
}

// The map finds a place by the first room whose name contains it, so exactly one may. A place
// that none contains is most likely misspelt in the room nearest to it.
void checker::CheckMapPlace(const std::string& place, const std::set<std::string>& places) {
  const std::vector<int>& starts = loaded.RecordStarts(data_file::kRooms);
  std::vector<int> slots;
  for (int slot = 0; slot < game->RoomCount(); ++slot) {
    if (game->RoomAt(slot).HasName(place)) {
      slots.push_back(slot);
    }
  }
  if (slots.empty()) {
    const char* why = place == told->map.start ? ", where the game starts" : "";
    const std::string missing = "no room's name contains the map place " + Quoted(place) + why;
    const int nearest = NearestUnplacedRoom(place, places);
    if (nearest < 0) {
      Report(rooms, 0, missing);
    } else {
      explainedRooms.insert(nearest);
      const std::string message =
          missing + "; did you mean " + Quoted(game->RoomAt(nearest).name) + "?";
      Report(rooms, starts[nearest], message);
      mends.push_back({data_file::kRooms, starts[nearest], message, starts[nearest], place});
    }
    return;
  }
  const room& first = game->RoomAt(slots.front());
  for (std::size_t i = 1; i < slots.size(); ++i) {
    explainedRooms.insert(slots[i]);
    Report(rooms, starts[slots[i]],
           Quoted(game->RoomAt(slots[i]).name) + " contains the map place " + Quoted(place) +
               " too; the map takes " + Quoted(first.name) + " (line " +
               std::to_string(starts[slots.front()]) + ")");
  }
}

// Among the rooms whose names contain no map place, the one nearest to `place`, if any is near.
int checker::NearestUnplacedRoom(const std::string& place,
                                 const std::set<std::string>& places) const {
  int nearest = -1;
  std::size_t fewest = place.size() + 1;
  for (int slot = 0; slot < game->RoomCount(); ++slot) {
    const room& candidate = game->RoomAt(slot);
    const bool placed = std::any_of(places.begin(), places.end(), [&](const std::string& other) {
      return candidate.HasName(other);
    });
    if (placed) {
      continue;
    }
    const std::size_t edits = EditsToContain(candidate.name, place);
    if (edits < fewest && Near(edits, place)) {
      fewest = edits;
      nearest = slot;
    }
  }
  return nearest;
}

// Walks the exits that BuildMap linked, from the room where the game starts.
void checker::FindReachableRooms() {
  reachable.assign(static_cast<std::size_t>(game->RoomCount()), false);
  const int start = game->CurrentRoom();
  if (start == kNone) {
    return;
  }
  std::vector<int> toVisit{start};
  reachable[static_cast<std::size_t>(start)] = true;
  while (!toVisit.empty()) {
    const int here = toVisit.back();
    toVisit.pop_back();
    for (const direction way :
         {direction::kNorth, direction::kSouth, direction::kEast, direction::kWest}) {
      const int next = game->RoomAt(here).GetExit(way);
      if (next != kNone && !reachable[static_cast<std::size_t>(next)]) {
        reachable[static_cast<std::size_t>(next)] = true;
        toVisit.push_back(next);
      }
    }
  }
}

// Without a start room nothing can be said of the way there: that is reported on its own.
bool checker::Reachable(int place) const {
  return game->CurrentRoom() == kNone || reachable[static_cast<std::size_t>(place)];
}

void checker::CheckReachable() {
  const std::vector<int>& starts = loaded.RecordStarts(data_file::kRooms);
  for (int slot = 0; slot < game->RoomCount(); ++slot) {
    if (!Reachable(slot) && !explainedRooms.contains(slot)) {
      Report(rooms, starts[slot],
             Quoted(game->RoomAt(slot).name) + " cannot be reached: no exits lead there from " +
                 Quoted(told->map.start));
    }
  }
}

// A folder's own story has its names checked where it names them (story_check.cpp).
void checker::CheckPeople() {
  if (!told->ownStory) {
    CheckRequiredNames(people, peopleNames, loaded.RecordStarts(data_file::kPeople),
                       StoryPeople(*told), "person");
  }
  CheckShadowedPeople();
  CheckNamedTwice(people, peopleNames, loaded.RecordStarts(data_file::kPeople));
  CheckStoryPlaces();
}

// Where two records share a name, whichever a lookup meets first hides the other.
void checker::CheckNamedTwice(const file_text& file, const std::vector<std::string>& names,
                              const std::vector<int>& starts) {
  for (auto later = names.begin(); later != names.end(); ++later) {
    const auto first = std::find(names.begin(), later, *later);
    if (first != later) {
      Report(file, starts[later - names.begin()],
             Quoted(*later) + " is named twice (first at line " +
                 std::to_string(starts[first - names.begin()]) +
                 "): the game cannot tell the two apart by name");
    }
  }
}

// The story's people must stand where the player can reach them, and where their talk says. The
// story finds each by the first record with the exact name; one missing is reported as such.
void checker::CheckStoryPlaces() {
  for (const role& part : told->cast) {
    const int slot = ExactSlot(peopleNames, part.name);
    if (slot < 0) {
      continue;
    }
    if (part.outOfSight) {
      CheckEntrance(part, slot);
    } else {
      CheckStoryPlace(part, slot);
    }
  }
}

// Where a finding about a person's place goes: the location line, or the name when the file ends
// before it.
int checker::LocationLine(int personSlot) const {
  const int start = loaded.RecordStarts(data_file::kPeople)[personSlot];
  return start + 1 <= people.LineCount() ? start + 1 : start;
}

void checker::CheckStoryPlace(const role& part, int slot) {
  const int line = LocationLine(slot);
  const std::string who = Quoted(part.name);
  const int place = game->RoomOf(slot);
  if (place == kNone) {
    Report(people, line, who + " stands in no room, so the player can never meet this person");
    return;
  }
  const std::string where = Quoted(game->RoomAt(place).name);
  if (part.standsIn != nullptr && place != game->RoomByName(part.standsIn)) {
    Report(people, line,
           who + " stands in " + where + ", but the talk sends the player to " +
               Quoted(part.standsIn));
  } else if (!Reachable(place)) {
    Report(
        people, line,
        who + " stands in " + where + ", which no exits lead to from " + Quoted(told->map.start));
  }
}

// A person out of sight is placed by the story, not by the location line, which the game never
// reads: a line that names another room is misleading.
void checker::CheckEntrance(const role& part, int slot) {
  const int line = loaded.RecordStarts(data_file::kPeople)[slot] + 1;
  if (part.standsIn == nullptr || line > people.LineCount()) {
    return;  // no place to tell of, or no line to mislead
  }
  const int named = game->RoomByName(people.Line(line));
  if (named != kNone && named == game->RoomByName(part.standsIn)) {
    return;
  }
  std::string when = " later in the story";
  for (const role& sender : told->cast) {
    if (sender.nextErrand != nullptr && std::string(sender.nextErrand) == part.name) {
      when = " when " + Quoted(sender.name) + " sends the player there";
    }
  }
  Report(people, line,
         "the game does not read this location: " + Quoted(part.name) + " enters " +
             Quoted(part.standsIn) + when);
}

// The story finds its people with `FindNPC`, which takes the first name that contains the one
// it looks for: "Tomas" ahead of "Tom" would be found in Tom's place.
void checker::CheckShadowedPeople() {
  for (const std::string& name : StoryPeople(*told)) {
    if (ExactSlot(peopleNames, name) < 0) {
      continue;
    }
    const int slot = game->FindNPC(name);
    const std::string& found = peopleNames[slot];
    if (found != name) {
      Report(people, loaded.RecordStarts(data_file::kPeople)[slot],
             Quoted(found) + " comes before " + Quoted(name) + " and contains it, so the game " +
                 "finds " + Quoted(found) + " when it looks for " + Quoted(name));
    }
  }
}

void checker::CheckObjects() {
  CheckKeywords();
  CheckOverlaps();
  if (!told->ownStory) {
    CheckRequiredNames(objects, objectNames, loaded.RecordStarts(data_file::kObjects),
                       StoryObjects(*told), "object");
  }
  CheckNamedTwice(objects, objectNames, loaded.RecordStarts(data_file::kObjects));
  CheckStoryHoldings();
}

// A location line meant as a keyword but written otherwise is read as a place; a room of that
// name would make it one.
void checker::CheckKeywords() {
  for (const int start : loaded.RecordStarts(data_file::kObjects)) {
    const int locationLine = start + 2;
    const std::string location = objects.Line(locationLine);
    const bool keyword = location == kHeldByPerson || location == kCarriedByPlayer;
    if (keyword || location.empty() || game->RoomByName(location) != kNone) {
      continue;
    }
    for (const char* keyword : {kHeldByPerson, kCarriedByPlayer}) {
      if (Folded(location) == Folded(keyword)) {
        const std::string message = Quoted(location) +
                                    " is read as a place: the keywords NPC and USER must be in " +
                                    "capitals, alone on the line";
        Report(objects, locationLine, message);
        mends.push_back({data_file::kObjects, locationLine, message, locationLine, keyword});
      } else if (NearKeyword(location, keyword)) {
        const std::string message = Quoted(location) + " is read as a place: did you mean the " +
                                    "keyword " + keyword + ", in capitals, alone on the line?";
        Report(objects, locationLine, message);
        mends.push_back({data_file::kObjects, locationLine, message, locationLine, keyword});
      }
    }
  }
}

// A name that holds a story object's, or is held in one, makes a typed name pick whichever of the
// two comes first where both are. That is no fault, but it is worth knowing.
void checker::CheckOverlaps() {
  const std::vector<std::string> story = StoryObjects(*told);
  const std::vector<int>& starts = loaded.RecordStarts(data_file::kObjects);
  for (std::size_t slot = 0; slot < objectNames.size(); ++slot) {
    const std::string& name = objectNames[slot];
    if (name.empty() || std::find(story.begin(), story.end(), name) != story.end()) {
      continue;
    }
    for (const std::string& wanted : story) {
      std::string message;
      if (OnlyWanted(*told, wanted) && ExactSlot(objectNames, wanted) < 0) {
        continue;  // a wanted name no object has is reported as such: none can be both
      }
      if (NameContains(name, wanted)) {
        message = Quoted(name) + " holds the story's " + Quoted(wanted) + ": where both are, " +
                  Quoted(wanted) + " typed picks whichever comes first; only " + Quoted(name) +
                  " picks this one alone";
      } else if (NameContains(wanted, name)) {
        message = Quoted(name) + " is held in the story's " + Quoted(wanted) +
                  ": where both are, " + Quoted(name) +
                  " typed picks whichever comes first; only " + Quoted(wanted) +
                  " picks the story's alone";
      }
      if (!message.empty() && starts[slot] <= objects.LineCount()) {
        findings.push_back({data_file::kObjects, starts[slot], message, false, true});
        break;
      }
    }
  }
}

// Whether the loader left the object in no list: its location or holder found nothing.
bool checker::Unplaced(int objectSlot) const {
  const int start = loaded.RecordStarts(data_file::kObjects)[objectSlot];
  const int next = objectSlot + 1 < game->ObjectCount()
                       ? loaded.RecordStarts(data_file::kObjects)[objectSlot + 1]
                       : objects.LineCount() + 2;
  for (const load_problem& found : loaded.problems) {
    if (found.file == data_file::kObjects && found.line >= start && found.line < next) {
      return true;
    }
  }
  return false;
}

// Objects that people hand over must start with them; the objects that the first errands ask for
// must start in the player's pocket.
void checker::CheckStoryHoldings() {
  for (const role& part : told->cast) {
    if (part.startStage == quest_stage::kOpen && part.wants != nullptr) {
      CheckHolding(part.wants, nullptr);
    }
    if (part.handsOver != nullptr) {
      CheckHolding(part.handsOver, part.name);
    }
  }
}

// `holder` none means the player.
void checker::CheckHolding(const char* item, const char* holder) {
  const int slot = ExactSlot(objectNames, item);
  if (slot < 0 || Unplaced(slot)) {
    return;  // reported as missing, or with its location or holder
  }
  const int held = slot;
  const int line = loaded.RecordStarts(data_file::kObjects)[slot];
  if (holder == nullptr) {
    if (!ListHolds(game->Inventory(), held)) {
      Report(objects, line, Quoted(item) + " must start with the player: location USER");
    }
    return;
  }
  const int person = ExactSlot(peopleNames, holder);
  if (person >= 0 && !ListHolds(game->HeldBy(person), held)) {
    Report(objects, line,
           Quoted(item) + " must start with " + Quoted(holder) +
               ": location NPC, then a holder line that finds that person");
  }
}

// The story compares these names whole and exactly.
void checker::CheckRequiredNames(const file_text& file, const std::vector<std::string>& names,
                                 const std::vector<int>& starts,
                                 const std::vector<std::string>& required, const char* what) {
  for (const std::string& name : required) {
    if (ExactSlot(names, name) >= 0) {
      continue;
    }
    const auto near = std::find_if(names.begin(), names.end(), [&](const std::string& other) {
      return Folded(other) == Folded(name) || Composed(other) == Composed(name);
    });
    if (near == names.end()) {
      const int nearest = NearestName(*told, names, name);
      const std::string missing = std::string("no ") + what + " is named " + Quoted(name);
      if (nearest < 0) {
        Report(file, 0, missing);
      } else {
        Report(
            file, starts[static_cast<std::size_t>(nearest)],
            missing + "; did you mean " + Quoted(names[static_cast<std::size_t>(nearest)]) + "?");
      }
    } else {
      const bool composed = Composed(*near) == Composed(name);
      Report(file, starts[near - names.begin()],
             Quoted(*near) + " must be named exactly " + Quoted(name) +
                 (composed ? std::string(": the two match") + kOtherForm : ""));
    }
  }
}

}  // namespace

namespace {

// The data with the fault mended in its file.
data_texts Mended(data_texts data, const mend& cause) {
  std::string& text = data.Of(cause.file).text;
  const bool lineFeedLast = !text.empty() && text.back() == '\n';
  std::vector<std::string> lines = SplitLines(text);
  if (cause.replacedLine > 0) {
    lines[static_cast<std::size_t>(cause.replacedLine - 1)] = cause.replacement;
  } else {
    for (std::string& line : lines) {
      line.erase(std::remove(line.begin(), line.end(), '\r'), line.end());
    }
  }
  text.clear();
  for (std::size_t at = 0; at < lines.size(); ++at) {
    text += lines[at] + (at + 1 < lines.size() || lineFeedLast ? "\n" : "");
  }
  return data;
}

bool SameFinding(const finding& a, const finding& b) {
  return a.file == b.file && a.line == b.line && a.message == b.message;
}

}  // namespace

// Each fault that others may follow from is mended alone, and the findings that go away with
// it, causes aside, are folded under it.
std::vector<finding> CheckData(const std::string& folder) {
  read_only_file_system disk;
  const data_texts files = ReadDataFiles(disk, PathOf(folder, ""));
  checker check(files);
  std::vector<finding> found = check.Run();
  const std::vector<mend>& causes = check.Mends();
  std::vector<bool> isCause(found.size(), false);
  for (std::size_t i = 0; i < found.size(); ++i) {
    isCause[i] = std::any_of(causes.begin(), causes.end(), [&](const mend& cause) {
      return SameFinding(found[i], {cause.file, cause.line, cause.message});
    });
  }
  std::vector<bool> follows(found.size(), false);
  std::vector<int> followers(causes.size(), 0);
  for (std::size_t c = 0; c < causes.size(); ++c) {
    const std::vector<finding> after = checker(Mended(files, causes[c])).Run();
    for (std::size_t i = 0; i < found.size(); ++i) {
      const bool gone = std::none_of(after.begin(), after.end(), [&](const finding& other) {
        return SameFinding(found[i], other);
      });
      if (!follows[i] && !isCause[i] && gone) {
        follows[i] = true;
        ++followers[c];
      }
    }
  }
  std::vector<finding> kept;
  for (std::size_t i = 0; i < found.size(); ++i) {
    for (std::size_t c = 0; c < causes.size(); ++c) {
      const int count = followers[c];
      if (count > 0 && SameFinding(found[i], {causes[c].file, causes[c].line, causes[c].message})) {
        found[i].message += " (and " + std::to_string(count) +
                            (count == 1 ? " line that follows" : " lines that follow") +
                            " from it)";
      }
    }
    if (!follows[i]) {
      kept.push_back(found[i]);
    }
  }
  return kept;
}

std::string FormatFinding(const std::string& folder, const finding& found) {
  if (found.wholeGame) {
    return folder.empty() || folder == "." ? found.message : folder + ": " + found.message;
  }
  std::string text = PathOf(folder, FileName(found.file));
  if (found.line > 0) {
    text += ":" + std::to_string(found.line);
  }
  return text + ": " + found.message;
}

}  // namespace quillmore
