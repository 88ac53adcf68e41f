#include "world/load_report.h"

namespace quillmore {

namespace {

constexpr const char* kFileNames[kDataFileCount] = {"rooms.txt", "people.txt", "objects.txt"};
// The loaders' own word for what their file holds.
constexpr const char* kContents[kDataFileCount] = {"rooms", "people", "object"};

// By problem, in the order of the enumeration; a missing file names its contents.
constexpr const char* kMessages[] = {
    "No input file found for ",
    "No match for given place name. Cannot create pointer.",
    "No match for given place name. Cannot create pointer.",
    "world - PlacePersonInRoom: No match for given place name.",
    "No match for given NPC name.",
    "world - SearchForName: No match for given place name.",
};

}  // namespace

const char* FileName(data_file file) {
  return kFileNames[static_cast<int>(file)];
}

void load_report::Add(data_file file, int line, problem what, const std::string& text) {
  problems.push_back({file, line, what, text});
}

std::string MessageFor(problem what, data_file file) {
  std::string message = kMessages[static_cast<int>(what)];
  if (what == problem::kNoFile) {
    message = message + kContents[static_cast<int>(file)] + ".";
  }
  return message;
}

}  // namespace quillmore
