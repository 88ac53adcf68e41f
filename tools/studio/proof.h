#ifndef QUILLMORE_TOOLS_STUDIO_PROOF_H_
#define QUILLMORE_TOOLS_STUDIO_PROOF_H_

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "game/data_files.h"
#include "tools/check/data_check.h"
#include "tools/check/exploration_report.h"
#include "tools/check/explorer.h"
#include "tools/studio/step_clock.h"
#include "world/load_report.h"
#include "world/world.h"

namespace quillmore {

// Everything quillmore-check says about the data files of `folder`, found by its own functions:
// the files checked and every play searched, said to the studio's page in two JSON objects, the
// verdict first, as soon as it is known, and the rest after it.
struct proof {
  std::vector<finding> problems;
  data_texts data;
  world start;
  load_report loaded;
  bool starts = false;  // the game starts with these files
  std::optional<exploration> found;
  exploration_findings said;
  step_clock clock;  // how long each step took
};
proof Prove(const std::string& folder, std::size_t maxStates);

// The verdict:
//   problems    [{file, line, message, didYouMean}]: each line the checker finds wrong (file
//               null for the whole game, line 0 for the whole file)
//   verdict     {wins, winsWithDrinks, finished, loaded, lines}: the fewest commands that win,
//               and that win with every pub drink (null: none, or not proven), whether the
//               search finished, whether the game starts at all, and the checker's own words
//   timings     {STEP: MICROSECONDS}: how long each step of the proof took
std::string VerdictJson(const proof& proven);

// The rest:
//   deadEnds, sideQuestEnds  [{closedBy, play}]: each command after which the game, or the side
//               quest, can no longer be won, and the lines of the shortest play into it
//   walkthrough the lines of the shortest winning play
//   unreached   [{file, line, message}]: who and what no play reaches
//   map         {places: [{name, x, y, start, missing}], links: [{from, way, to, back, bent}]}:
//               the city as quillmore-map lays it out; a place no room's name holds is missing
//   chain       the errand chain as quillmore-map --story writes it, for the page to draw
//   timings     {STEP: MICROSECONDS}: how long saying the rest took
std::string RestJson(const proof& proven);

}  // namespace quillmore

#endif  // QUILLMORE_TOOLS_STUDIO_PROOF_H_
