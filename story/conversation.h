#ifndef QUILLMORE_STORY_CONVERSATION_H_
#define QUILLMORE_STORY_CONVERSATION_H_

#include <initializer_list>

#include "console/console.h"
#include "world/person.h"

namespace quillmore {

// What every conversation script shares: how people's lines reach the console, and the answer
// prompt. A line may be made of several pieces written back to back; every piece but the last
// ends in a blank, so they read as one long line that the console wraps. Each line end flushes.

// The pieces, then two line ends: an utterance followed by an empty line.
void Say(console& io, std::initializer_list<const char*> pieces);

// The pieces, then one line end: no empty line follows.
void SayLine(console& io, std::initializer_list<const char*> pieces);

// What AskChoice returns when input ended before an a or b arrived.
constexpr char kNoAnswer = '\0';

// The answer prompt: prints the menu, then reads one character at a time, complaining until it
// is a or b. Only that character is taken: the rest of its line is left for the next read.
char AskChoice(console& io, const char* optionA, const char* optionB, const char* complaint);

}  // namespace quillmore

#endif  // QUILLMORE_STORY_CONVERSATION_H_
