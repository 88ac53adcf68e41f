// Fuzzes the data files: the bytes are split into rooms.txt, people.txt and objects.txt at the
// first two record-separator bytes (0x1E); a file whose part is missing cannot be opened. The
// world is loaded from them and played with a short fixed command script.

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/game_harness.h"

namespace {

constexpr char kSeparator = '\x1e';

// Every command form, each person's name, answers at the prompts, moves in every direction; the
// talk with Diarmuid comes last, as it may win the game.
const std::string kScript =
    "look\nlook \nl Park\ni\nget\n\nphoto\nget \ncoins\nget  \nlook photo\ndrop photo\n"
    "drop\n\nslip\ngive\n\nenglish coins\n\nConor\ngive photo slip\nRuaidhri\n"
    "t Ruaidhri\nt Conor\ntalk\n\nSean\nb\na\nt John\nx\nb\ngive napkin\nSara-Jane\n"
    "t Sara\nt John\nt Jack\nb\nget pearl\ngive pearl earring\nSiobhan\nt Siobhan\nt Siobhan\n"
    "give pint of Guinness\nTom\nt Tom\nb\nt Liam\na\nt couple\nt Echo\nb\nt Tomas\nt Rory\n"
    "t Colleen\nt video\nt performer\nn\ns\ne\nw\nN e S w\nx y\ncommands\nInventory\n"
    "t Diarmuid\nq\n";

const char kNoStartRoom[] = "No match for given place name. Cannot create pointer.\n";
const char kBanner[] = "\n\nGame creator Orlanthe welcomes you to: \n";

// What the people and objects loaders may write about records they cannot place, and what the
// map writes for each place name that no room has.
bool OnlyLoaderMessages(const std::string& text) {
  static const std::string kMessages[] = {
      "world - PlacePersonInRoom: No match for given place name.\n",
      "No match for given NPC name.\n",
      "world - SearchForName: No match for given place name.\n",
      kNoStartRoom,
  };
  std::size_t at = 0;
  while (at < text.size()) {
    bool matched = false;
    for (const std::string& message : kMessages) {
      if (text.compare(at, message.size(), message) == 0) {
        at += message.size();
        matched = true;
        break;
      }
    }
    if (!matched) {
      return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  data_text files[3];
  std::size_t start = 0;
  for (int part = 0; part < 3; ++part) {
    if (start > bytes.size()) {
      files[part].present = false;
      continue;
    }
    const std::size_t end = part < 2 ? bytes.find(kSeparator, start) : std::string::npos;
    files[part].text = bytes.substr(start, end == std::string::npos ? end : end - start);
    start = end == std::string::npos ? bytes.size() + 1 : end + 1;
  }
  const data_text& rooms = files[0];
  const data_text& people = files[1];
  const data_text& objects = files[2];

  const game_run run = PlayWithStreams(kScript, rooms, people, objects);
  const std::string& out = run.output;

  Require(run.status == 0 || run.status == -1, "the exit status is 0 or -1", run);
  Require(BytesComeFrom(out, {&bytes, &kScript}),
          "no byte is written that neither the game, its data nor the player wrote", run);
  if (run.status == -1) {
    // The start room is looked for before the other files are read.
    if (out == kNoStartRoom) {
      return 0;
    }
    const std::string missing = people.present ? "object" : "people";
    const std::string message = "No input file found for " + missing + ".\n";
    Require(out.size() >= message.size() &&
                out.compare(out.size() - message.size(), message.size(), message) == 0 &&
                OnlyLoaderMessages(out.substr(0, out.size() - message.size())),
            "a missing file ends the game with its loader's message", run);
    return 0;
  }
  Require(people.present && objects.present, "a missing file is never played", run);
  const std::size_t banner = out.find(kBanner);
  Require(banner != std::string::npos && OnlyLoaderMessages(out.substr(0, banner)),
          "only the loaders' and the map's messages come before the banner", run);
  Require(out.back() == '\n', "every line is ended", run);
  return 0;
}
