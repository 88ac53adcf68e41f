#ifndef QUILLMORE_TERMINAL_PROGRESS_H_
#define QUILLMORE_TERMINAL_PROGRESS_H_

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>

#include "console/file_system.h"

namespace quillmore {

// The progress of a game played at a terminal: what the player typed, written through to disk
// line by line, so that closing the terminal, a kill or a power cut loses at most the line being
// typed. The game is the same for the same data and the same typing, so the typing is all there
// is to keep.
//
// Each data folder has its games kept under the state folder, one file per version of its data
// files. A new game replaces the old game's file only once its own first line is safely on disk;
// a won or quit game's file is removed, since there is nothing left to continue. Every file is
// reached through `disk`, which must outlive the progress.
class progress {
 public:
  // `state` is where progress is kept; `dataFolder` and `dataText` (the three data files, one
  // after another) say which game this is.
  progress(file_system& disk, const std::filesystem::path& state,
           const std::filesystem::path& dataFolder, std::string_view dataText);
  progress(const progress&) = delete;
  progress& operator=(const progress&) = delete;

  // Takes up the last unfinished game on this data folder: returns what was typed in it, and
  // from then on records into its file. When there is none to continue, or it cannot be read,
  // or the data files have changed since, returns nothing and sets `notice` to one line that
  // says so; a new game then begins and the old file is kept.
  std::string TakeUp(std::string& notice);
  // Records what the player typed; once this returns true, it survives a power cut. False when
  // it could not be written; `notice` then says why, and nothing more is recorded.
  bool Record(std::string_view typed, std::string& notice);
  // The game was won or quit: its file is removed, and nothing typed after it is recorded.
  void Finish();

  // Where progress and the history of commands are kept: $XDG_STATE_HOME/quillmore, by default
  // ~/.local/state/quillmore; empty when neither variable is set.
  static std::filesystem::path StateFolder();

 private:
  std::error_code Start(std::string_view typed);
  std::error_code Append(std::string_view typed);
  std::filesystem::path LastGame() const;
  std::string Header() const;
  bool Readable(std::string_view saved) const;

  file_system& disk;
  std::filesystem::path games;  // the folder of progress files
  std::string folderKey;        // names the data folder's files
  std::filesystem::path file;   // this game's file
  std::string folderName;
  std::string dataKey;
  std::unique_ptr<appendable_file> open;  // once the game's file is on disk
  bool failed = false;
};

}  // namespace quillmore

#endif  // QUILLMORE_TERMINAL_PROGRESS_H_
