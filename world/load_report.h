#ifndef QUILLMORE_WORLD_LOAD_REPORT_H_
#define QUILLMORE_WORLD_LOAD_REPORT_H_

#include <array>
#include <string>
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

// What loading met, in the order it met it, and where each record of each file starts. The
// game says the problems; the data checker reads all of it.
struct load_report {
  std::vector<load_problem> problems;
  std::array<std::vector<int>, kDataFileCount> recordStarts;

  void Add(data_file file, int line, problem what, const std::string& text);
  const std::vector<int>& RecordStarts(data_file file) const {
    return recordStarts[static_cast<int>(file)];
  }
};

}  // namespace quillmore

#endif  // QUILLMORE_WORLD_LOAD_REPORT_H_
