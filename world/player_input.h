#ifndef QUILLMORE_WORLD_PLAYER_INPUT_H_
#define QUILLMORE_WORLD_PLAYER_INPUT_H_

#include <string>

// Reads from what the player types (standard input). Each returns false when standard input
// ended before the read extracted anything; a read that takes at least one character before the
// end is a normal read. Once one of them has returned false, every later one does too, so a
// caller that stops at the first false never waits or repeats forever.

// Skips whitespace, line ends included, then takes the characters up to the next whitespace,
// which stays unread.
bool ReadWord(std::string& word);

// Reads up to the next line end, which is consumed and not kept. The line may be empty.
bool ReadLine(std::string& line);

// Takes exactly one character, whatever it is.
bool ReadCharacter(char& character);

// Reads the rest of the line and throws it away, without keeping it in memory.
bool DiscardLine();

// Skips whitespace, line ends included, and takes the next single character.
bool ReadAnswer(char& character);

// While `text` is empty: writes `question` on a line of its own and reads a whole new line.
bool AskWhileEmpty(std::string& text, const char* question);

#endif  // QUILLMORE_WORLD_PLAYER_INPUT_H_
