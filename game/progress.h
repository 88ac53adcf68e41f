#ifndef QUILLMORE_GAME_PROGRESS_H_
#define QUILLMORE_GAME_PROGRESS_H_

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "console/file_system.h"
#include "game/store.h"

namespace quillmore {

// The progress of a game kept in files, as a terminal keeps it (the page keeps its own in the
// browser): what the player typed, written through to disk line by line, so that closing the
// terminal, a kill or a power cut loses at most the line being typed. The game is the same for
// the same data and the same typing, so the typing is all there is to keep, in a save file
// (game/save_format.h) that the page can open too.
//
// The games of each data folder are kept under the state folder, a file each, the last
// kGamesKept of them: a new game does not replace the last one. A file is only ever made whole
// beside its place and then put there in one step, and lines are added to it once it is there,
// so that a power cut leaves the old file or the new one, never a mixture. A won game's file is
// removed, since there is nothing left to continue. Every file is reached through `disk`, which
// must outlive the progress.
//
// One game, one writer: a game's file is held (file_system.h) by the progress that plays it, from
// when it is taken up or made until the progress ends, undo's rewrite included. A game held
// elsewhere, by a second terminal, is played on in a copy of its own, a new file beside it; the
// newest games kept never count one that is held, which is never removed. Games are ordered by
// their number, given when they are made, and a save of more than kMostSaved bytes, or one that is
// no regular file, is not read at all.
class progress : public store {
 public:
  static constexpr std::size_t kGamesKept = 5;
  // Tens of thousands of commands; a file larger than this is no game a player typed.
  static constexpr std::size_t kMostSaved = std::size_t{1} << 20;

  // `state` is where progress is kept; `dataFolder` and `dataKey` (DataKey of the three data
  // files) say which game this is. What games killed while they were rewriting left behind is
  // removed.
  progress(file_system& disk, const std::filesystem::path& state,
           const std::filesystem::path& dataFolder, std::string_view dataKey);

  // The file of the last game begun on this data folder, whatever its data; empty when none.
  std::filesystem::path LastGame() const;
  // Takes up the last game on this data folder: returns what was typed in it, and from then on
  // records into its file. When there is none to continue, or it cannot be read, or the data
  // files have changed since, returns nothing and sets `notice` to one line that says so; a new
  // game then begins and the old file is kept. When another terminal holds it, returns what was
  // typed in it and says so: the game goes on in a copy of its own.
  std::string TakeUp(std::string& notice);
  // Takes up the game saved in `saved`, a file anywhere: the same, but a file that is not one of
  // this folder's games is left as it was, and the game goes on in a new file of its own here.
  std::string TakeUp(const std::filesystem::path& saved, std::string& notice);
  // Records what the player typed; once this returns true, it survives a power cut. False when
  // it could not be written; `notice` then says why, and nothing more is recorded.
  bool Record(std::string_view typed, std::string& notice) override;
  // Puts `typed` in the place of all that was recorded, as undo does; a power cut leaves the one
  // or the other. Nothing typed is no game to keep: its file is removed.
  bool Rewrite(std::string_view typed, std::string& notice) override;
  // The game was won: its file is removed, and nothing typed after it is recorded.
  void Finish() override;
  // The transcript this game is written in, by its name in the transcripts folder: named in
  // its file from then on.
  void WrittenIn(std::string_view transcriptName) { transcript = transcriptName; }
  // The transcript named in the game taken up, when it goes on in its own file; else empty.
  const std::string& TakenUpTranscript() const { return takenUpTranscript; }
  // The game taken up is not to be played on: its file is left as it was, and a new game begins
  // with a file of its own.
  void Forget();

 private:
  std::string TakeUpFile(const std::filesystem::path& saved, bool last, std::string& notice);
  std::error_code Replace(std::string_view typed);
  std::error_code Put(const std::filesystem::path& fresh);
  std::error_code Append(appendable_file& to, std::string_view typed);
  bool Failed(std::error_code error, std::string& notice);
  std::vector<std::string> Games(bool all = false) const;
  void Prune();
  void RemoveLeftovers();
  bool Ours(const std::filesystem::path& saved) const;

  file_system& disk;
  std::filesystem::path games;  // the folder of progress files
  std::string folderKey;        // names the data folder's files
  std::string folderName;
  std::string dataKey;
  std::filesystem::path file;             // this game's file; empty until it has one
  std::string before;                     // typing taken up that is not yet in this game's file
  std::unique_ptr<appendable_file> open;  // this game's file, held
  bool rewriteFirst = false;              // its last line was cut short: it is made anew
  bool failed = false;
  std::string transcript;         // the name of the transcript this game is written in
  std::string takenUpTranscript;  // the one the game taken up named
};

}  // namespace quillmore

#endif  // QUILLMORE_GAME_PROGRESS_H_
