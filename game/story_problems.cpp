#include "game/story_problems.h"

namespace quillmore {

namespace {

// In the order of `story_fault`; {} stands for the text the problem is about.
constexpr const char* kSaid[] = {
    "cannot read \"{}\" here",
    "\"{}\" is no way: north, south, east or west",
    "\"{}\" is no stage: idle, open, waiting or done, or for a gift none, received or follow-up",
    "a text line where no text belongs: \"{}\"",
    "\"{}\" is given twice",
    "no start place",
    "the question has no \"{}\" line",
    "no room's name contains \"{}\"",
    "no person's name contains \"{}\"",
    "no object's name is or contains \"{}\"",
    "\"{}\" is the full name of nobody in people.txt",
    "{} is already taken by another connection",
    "the way back, {}, is already taken by another connection",
    "\"{}\" is brought in, but no person of the story of that full name stands in a place",
    "cannot be read",
    "\"{}\" says nothing when talked to: no person of story.txt has that full name",
    "no stage can reach this say: a say before it always answers first",
    "the drink \"{}\" does not lie where it is collected from",
};
static_assert(std::size(kSaid) == static_cast<std::size_t>(story_fault::kDrinkElsewhere) + 1);

}  // namespace

std::string StoryProblemText(const story_problem& found) {
  std::string text = kSaid[static_cast<std::size_t>(found.what)];
  const std::size_t at = text.find("{}");
  if (at != std::string::npos) {
    text.replace(at, 2, found.text);
  }
  return text;
}

std::string StoryProblemLine(const story_problem& found) {
  std::string line = FileName(found.file);
  if (found.line != 0) {
    // Two appends, not ":" + number: GCC 12 at -O3 takes the sum for an overlapping copy.
    line += ':';
    line += std::to_string(found.line);
  }
  return line + ": " + StoryProblemText(found);
}

}  // namespace quillmore
