#ifndef QUILLMORE_TERMINAL_TERMINAL_H_
#define QUILLMORE_TERMINAL_TERMINAL_H_

#include "console/platform.h"
#include "game/session.h"

namespace quillmore {

class line_editor;

// A person playing at a terminal, who types lines at the editor, after a prompt that says what
// the game waits for ("> ", or "get what? > " after a bare get). What is typed is read as text
// (TypedAsText). The key wait at the end of a won game takes a single key press, without Enter.
// Plays until the game ends.
void PlayTyped(session& played, line_editor& editor, platform& system);

// The terminal's width as it is now; where it cannot say, COLUMNS from 1 to 1,000, then 80.
int LineWidth(platform& system);

// The line editor's terminal library takes COLUMNS and LINES as they are where the terminal
// cannot tell its size, and a size of billions crashes it: before the editor is made, each is
// left only when it is within reason.
void LeaveSaneSizes(platform& system);

}  // namespace quillmore

#endif  // QUILLMORE_TERMINAL_TERMINAL_H_
