#ifndef QUILLMORE_GAME_TRANSCRIPT_H_
#define QUILLMORE_GAME_TRANSCRIPT_H_

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "console/file_system.h"
#include "game/store.h"

namespace quillmore {

// A plain-text record of a game, in a file, as a terminal keeps one, such as players send the
// game's author: what the game showed, as it wrote it (not wrapped), and each line typed, after
// its prompt. It is written as the game goes: what was added is written and made to survive a
// power cut whenever the game waits for the player, so a cut loses at most what the game showed
// since it last waited. The file is only ever added to. Every file is reached through `disk`,
// which must outlive it.
class transcript : public transcript_store {
 public:
  static constexpr std::size_t kKept = 50;

  // A transcript in the file chosen, added to its end when there is one.
  transcript(file_system& disk, std::filesystem::path chosen);
  // A transcript of its own in `folder`, under the next number there and named after when the
  // game started; the oldest there beyond the newest `kept` are removed. Transcripts are ordered
  // by their numbers, so that a clock set back or a time zone changed removes none too soon.
  transcript(file_system& disk, std::filesystem::path folder, const std::tm& started,
             std::size_t kept = kKept);

  // The file, once it is named: for a transcript of its own, from when it is first kept.
  const std::filesystem::path& File() const { return file; }

  void Add(std::string_view text) override;
  // Writes what was added since, and returns once it is on the disk; the file is made the first
  // time. False when the transcript cannot be kept: `notice` then says why, once, and nothing
  // more is written.
  bool Keep(std::string& notice) override;

 private:
  std::error_code Open();
  std::error_code OpenInFolder();

  file_system& disk;
  std::filesystem::path file;    // the file, chosen or once named
  std::filesystem::path folder;  // for a transcript of its own: where, when and how many
  std::tm started{};
  std::size_t kept = kKept;
  std::unique_ptr<appendable_file> open;
  std::string pending;  // added, not yet written
  bool failed = false;
};

// The name of the transcript numbered `number`, of a game started at `started`, in local time:
// 12-2026-12-07-231502.txt.
std::string TranscriptName(std::uint64_t number, const std::tm& started);
// Whether `name` is one TranscriptName makes.
bool IsTranscriptName(std::string_view name);

// Of the files in a transcripts folder, those to remove so that only the newest `kept`
// transcripts are left: only names TranscriptName makes, the lowest numbers first, never
// `current`.
std::vector<std::string> OldTranscripts(std::vector<std::string> names, std::string_view current,
                                        std::size_t kept);

}  // namespace quillmore

#endif  // QUILLMORE_GAME_TRANSCRIPT_H_
