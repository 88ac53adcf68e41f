#ifndef QUILLMORE_CONSOLE_VISIBLE_TEXT_H_
#define QUILLMORE_CONSOLE_VISIBLE_TEXT_H_

#include <string>
#include <string_view>

namespace quillmore {

// `text` with every control byte but the line end shown as a terminal shows a key that types it,
// ESC as ^[, a carriage return as ^M, DEL as ^?: what the player typed, or a file's name, written
// back to a terminal then reads as text and can neither move the cursor nor set the window's
// title.
std::string Visible(std::string_view text);

// A line typed at a terminal as the game is to read it: a tab is a blank, and every other control
// byte is shown as Visible shows it, and a line end before the last (a carriage return typed with
// Ctrl-V, which the terminal turns into one) as ^J, so that one line typed is one line read, and
// all of it is text.
std::string TypedAsText(std::string_view line);

// Whether `text` holds a control byte that Visible would show otherwise.
bool HasControlBytes(std::string_view text);

}  // namespace quillmore

#endif  // QUILLMORE_CONSOLE_VISIBLE_TEXT_H_
