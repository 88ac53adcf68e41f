#ifndef QUILLMORE_WORLD_LOAD_REPORT_H_
#define QUILLMORE_WORLD_LOAD_REPORT_H_

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "world/data_files.h"

namespace quillmore {

enum class problem {
  kNoFile,        // the file could not be opened: the game cannot go on
  kNoStartRoom,   // no room's name contains the start room's: the game cannot go on
  kNoMapPlace,    // no room's name contains a place the map links
  kPersonPlace,   // a person's location is in no room's name
  kObjectHolder,  // an object's holder is in no person's name
  kObjectPlace,   // an object's location is in no room's name
};

// One problem met while loading: where it lies (line 0 for the whole file), what it is, and the
// text that found nothing.
struct load_problem {
  data_file file;
  int line;
  problem what;
  std::string text;
};

// What is wrong with a line of map.txt or story.txt. A folder's own map or story must fit its
// other files: any of these stops the game, which names the first. The last three only the
// data checker looks for.
enum class story_fault {
  kUnknownLine,     // no line of the file begins so, here
  kNoWay,           // not north, south, east or west
  kNoStage,         // no stage of an errand or a gift
  kStrayText,       // a text line under nothing that has text
  kTwice,           // what may be said once is said again
  kNoStart,         // map.txt names no start place
  kHalfQuestion,    // a question without one of its parts
  kUnknownPlace,    // no room's name contains it
  kUnknownPerson,   // no person's name contains it
  kUnknownObject,   // no object's name is it, or contains it
  kNotInPeople,     // a person of the story whose full name no record of people.txt has
  kLeftTwice,       // a connection leaves a place a way another already leaves it
  kWayBackTaken,    // a way back that another connection already uses
  kNowhereToStand,  // a person the story brings in who stands nowhere
  kUnreadable,      // the folder has the file, but it cannot be read
  kSaysNothing,     // somebody of people.txt who is no person of the story
  kNeverSaid,       // a say that no stage can reach
  kDrinkElsewhere   // a drink that does not lie in the place it is collected from
};

// One problem of map.txt or story.txt: where it lies, what it is, and the text it is about.
struct story_problem {
  data_file file;
  int line;
  story_fault what;
  std::string text;
};

// What loading met, in the order it met it, and where each record of each file starts. The
// game says the problems; the data checker reads all of it.
struct load_report {
  std::vector<load_problem> problems;
  std::vector<story_problem> storyProblems;
  std::array<std::vector<int>, kDataFileCount> recordStarts;
  // The first line a loader left unread, having taken as many records as a table holds; 0: none.
  std::array<int, kDataFileCount> unreadFrom = {};

  void Add(data_file file, int line, problem what, const std::string& text);
  void Add(data_file file, int line, story_fault what, std::string_view text);
  const std::vector<int>& RecordStarts(data_file file) const {
    return recordStarts[static_cast<int>(file)];
  }
};

}  // namespace quillmore

#endif  // QUILLMORE_WORLD_LOAD_REPORT_H_
