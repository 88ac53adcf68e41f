#ifndef QUILLMORE_PEOPLE_SPEECH_H_
#define QUILLMORE_PEOPLE_SPEECH_H_

#include <initializer_list>

// How people's lines reach the console. A line may be made of several pieces written back to
// back; every piece but the last ends in a blank, so they read as one long line that the console
// wraps. Each line end flushes.

// The pieces, then two line ends: an utterance followed by an empty line.
void Say(std::initializer_list<const char*> pieces);

// The pieces, then one line end: no empty line follows.
void SayLine(std::initializer_list<const char*> pieces);

#endif  // QUILLMORE_PEOPLE_SPEECH_H_
