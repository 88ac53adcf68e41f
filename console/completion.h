#ifndef QUILLMORE_CONSOLE_COMPLETION_H_
#define QUILLMORE_CONSOLE_COMPLETION_H_

#include <string>
#include <string_view>
#include <vector>

namespace quillmore {

// What the player may type to finish a line: each candidate would replace the line from `start`
// on. Candidates carry their exact capitals.
struct completion {
  std::size_t start = 0;
  std::vector<std::string> candidates;
  bool names = false;  // the candidates are names of objects or people, not command words
};

// What Tab puts in place of the typed text from `found.start` on, in `filled`: the one candidate
// whole, or what several share at their start when that is more than was typed. False when it
// fills in nothing.
bool FillIn(const completion& found, std::string_view typed, std::string& filled);

// As FillIn, with a blank after the one candidate filled in whole, as a shell puts one after a
// completed word, so that the next word can follow.
bool FillInWord(const completion& found, std::string_view typed, std::string& filled);

// A line typed where Tab completes, as the game is to read it: without the blanks before its
// line end, which are no part of the last word or name (Tab puts one there).
void DropTrailingBlanks(std::string& line);

}  // namespace quillmore

#endif  // QUILLMORE_CONSOLE_COMPLETION_H_
