#include <algorithm>

#include "story/story.h"

namespace quillmore {

namespace {

bool AnyObjectNamed(const world& game, std::string_view text, bool whole) {
  for (int item = 0; item < game.ObjectCount(); ++item) {
    const std::string& name = game.ObjectAt(item).name;
    if (whole ? name == text : game.ObjectAt(item).HasName(text)) {
      return true;
    }
  }
  return false;
}

bool AnyPersonCalled(const world& game, std::string_view name) {
  for (int someone = 0; someone < game.PeopleCount(); ++someone) {
    if (game.PersonAt(someone).name == name) {
      return true;
    }
  }
  return false;
}

// What is wrong with the use of a name, if anything.
std::optional<story_fault> Fault(const world& game, const story& told, const name_use& use) {
  switch (use.kind) {
    case name_kind::kPlace:
      return game.RoomByName(use.text) == kNone ? std::optional(story_fault::kUnknownPlace)
                                                : std::nullopt;
    case name_kind::kPerson:
      return game.FindNPC(use.text) == kNone ? std::optional(story_fault::kUnknownPerson)
                                             : std::nullopt;
    case name_kind::kObject:
    case name_kind::kWholeObject:
      return AnyObjectNamed(game, use.text, use.kind == name_kind::kWholeObject)
                 ? std::nullopt
                 : std::optional(story_fault::kUnknownObject);
    case name_kind::kWholePerson:
      return AnyPersonCalled(game, use.text) ? std::nullopt
                                             : std::optional(story_fault::kNotInPeople);
    case name_kind::kBroughtIn: {
      const role* part = told.RoleOf(use.text);
      return part == nullptr || part->standsIn == nullptr
                 ? std::optional(story_fault::kNowhereToStand)
                 : std::nullopt;
    }
  }
  return std::nullopt;
}

}  // namespace

void CheckStoryNames(const world& game, const story& told, load_report& report) {
  for (const name_use& use : told.names) {
    if (const std::optional<story_fault> fault = Fault(game, told, use)) {
      report.Add(data_file::kStory, use.line, *fault, use.text);
    }
  }
}

}  // namespace quillmore
