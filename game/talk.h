#ifndef QUILLMORE_GAME_TALK_H_
#define QUILLMORE_GAME_TALK_H_

#include <string>
#include <string_view>

#include "console/console.h"
#include "console/task.h"
#include "story/conversation.h"
#include "world/world.h"

namespace quillmore {

// What the answer prompt returns when input ended before an a or b arrived.
constexpr char kNoAnswer = '\0';

// The talk command, the only road into a conversation: finds the person the player named here,
// takes the steps before the conversation, plays it, and, when it moved the story on, the steps
// after it. Returns whether the game is won.
task<bool> TalkTo(world& game, console& io, std::string_view typed);

// The answer prompt: prints the menu, then reads one character at a time, complaining until it
// is a or b. Only that character is taken: the rest of its line is left for the next read.
task<char> AskChoice(console& io, const question& asked);

// An answer typed as a whole line, where a front end reads lines: a or b, in either case, with
// blanks around it. Sets `given` to what the game is then to read, the small letter and a line
// end. False for any other line, which the front end answers with message::kAnswerReminder and
// does not pass on, so that the game never reads a stray letter.
bool AnswerLine(std::string_view typed, std::string& given);

}  // namespace quillmore

#endif  // QUILLMORE_GAME_TALK_H_
