#ifndef QUILLMORE_GAME_SAVE_FORMAT_H_
#define QUILLMORE_GAME_SAVE_FORMAT_H_

#include <string>
#include <string_view>

namespace quillmore {

// A saved game, the one format of both front ends: the terminal's progress files and the page's
// save, and what the page downloads and opens. The game is the same for the same data and the
// same typing, so a save holds which data it was played on and every line the game read, answers
// included (as a or b), but not the key of the key wait:
//
//   quillmore save 2          the format
//   data 50a6b74cade4e219     the data files' key (DataKey)
//   folder /home/me/data      at a terminal: the data folder it was played in
//   transcript 3-2026-...txt  at a terminal: the transcript the game is written in, by name
//                             a blank line ends the header
//   s
//   give english coins
//
// Lines are only ever added at the end, each whole with its line end, so a front end can append
// a line at a time and a power cut can at worst cut the last line short; a line without its line
// end was never read by the game and is left out. Header lines other than `data` are "name
// value" and are not needed to play; readers pass over them.
//
// Every line is one the player could have typed: a save that holds a control byte other than the
// line end (a NUL, ESC, a lone carriage return) is no save. Lines that end in CR LF are read as
// ending in LF. A header's value holds no line end: one in the folder's path is written ^J.
//
// The two formats kept before this one are read too: the terminal's "quillmore progress 1"
// (the same but for its first line) and the page's "quillmore save 1", whose "typed N" counts
// the bytes of typing, and whose data key was made otherwise (page builds only).

// 16 hex digits that tell one version of the three data files from another: FNV-1a over each
// file's length in decimal, a colon and its bytes, in the order rooms, people, objects.
std::string DataKey(std::string_view rooms, std::string_view people, std::string_view objects);

// FNV-1a of `text`, in 16 hex digits: stable on every machine and in every build.
std::string HashKey(std::string_view text);

// The header of a save, blank line included; `folder` and `transcript` may be empty.
std::string SaveHeader(std::string_view dataKey, std::string_view folder = {},
                       std::string_view transcript = {});

// What a front end's data are: the key, and the key the page's first format gave them, if any.
struct data_keys {
  std::string_view current;
  std::string_view firstPageFormat = {};
};

enum class save_verdict {
  kReadable,    // of this data: `typed` is what to replay
  kOtherData,   // a save, of other data files
  kUnreadable,  // no save of a format this game reads
};

struct save_reading {
  save_verdict verdict = save_verdict::kUnreadable;
  std::string typed;
  std::string transcript = {};  // the header's, when it names one
};

save_reading ReadSave(std::string_view saved, const data_keys& ours);

}  // namespace quillmore

#endif  // QUILLMORE_GAME_SAVE_FORMAT_H_
