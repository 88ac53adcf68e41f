#ifndef QUILLMORE_TOOLS_STUDIO_PROOF_H_
#define QUILLMORE_TOOLS_STUDIO_PROOF_H_

#include <cstddef>
#include <string>

namespace quillmore {

// Everything quillmore-check says about the data files of `folder`, found by its own functions,
// as one JSON object for the studio's page:
//   problems    [{file, line, message, didYouMean}]: each line the checker finds wrong (file
//               null for the whole game, line 0 for the whole file)
//   verdict     {wins, winsWithDrinks, finished, loaded, lines}: the fewest commands that win,
//               and that win with every pub drink (null: none, or not proven), whether the
//               search finished, whether the game starts at all, and the checker's own words
//   deadEnds, sideQuestEnds  [{closedBy, play}]: each command after which the game, or the side
//               quest, can no longer be won, and the lines of the shortest play into it
//   walkthrough the lines of the shortest winning play
//   unreached   [{file, line, message}]: who and what no play reaches
//   map         {places: [{name, x, y, start, missing}], links: [{from, way, to, back, bent}]}:
//               the city as quillmore-map lays it out; a place no room's name holds is missing
//   chain       the errand chain as quillmore-map --story writes it, for the page to draw
std::string ProofJson(const std::string& folder, std::size_t maxStates);

}  // namespace quillmore

#endif  // QUILLMORE_TOOLS_STUDIO_PROOF_H_
