#ifndef QUILLMORE_TOOLS_CHECK_SIDE_QUEST_H_
#define QUILLMORE_TOOLS_CHECK_SIDE_QUEST_H_

#include <string>
#include <vector>

#include "tools/check/explorer.h"
#include "tools/check/play_graph.h"
#include "world/world.h"

namespace quillmore {

// The story's drinks whose names an object's name holds, one bit each in the story's order; the
// game is won with every drink when the objects carried hold all of them, and the story has any.
unsigned PubDrinksIn(const world& game, const std::string& name);
unsigned EveryPubDrink(const world& game);

// The side quest's verdicts, found on the graph of a search that left the pub drinks where they
// lie (see side_quest.cpp for when that is sound). `moved` says, by object, which ones that
// search moved. Fills in the drinks' part of `found` and returns true; returns false, and fills
// in nothing, when the drinks take part in the story and need a search of their own.
bool SideQuestOnGraph(const play_graph& graph, const world& start, const std::vector<char>& moved,
                      exploration& found);

}  // namespace quillmore

#endif  // QUILLMORE_TOOLS_CHECK_SIDE_QUEST_H_
