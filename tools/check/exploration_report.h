#ifndef QUILLMORE_TOOLS_CHECK_EXPLORATION_REPORT_H_
#define QUILLMORE_TOOLS_CHECK_EXPLORATION_REPORT_H_

#include <string>
#include <vector>

#include "tools/check/data_check.h"
#include "tools/check/explorer.h"
#include "world/load_report.h"
#include "world/world.h"

namespace quillmore {

// What the search found, as findings in the checker's style: whether the game, and the side
// quest, can be won and in how few commands; the objects and people no play reaches; every
// command after which the game or the side quest can no longer be won; and what the search
// cost. Findings of the whole game have no file.
struct exploration_findings {
  std::vector<finding> findings;
  std::vector<finding> last;  // what must come last: that the search did not finish
  bool lost = false;          // the game cannot be won, or a command can lose it or the side quest
  bool unproven = false;      // the search stopped at its limit
};
exploration_findings Report(const exploration& found, const world& start,
                            const load_report& loaded);

// A play as one line: its commands separated by "; ", a command's lines by " / ".
std::string OneLine(const play& commands);

// A play as the lines a player types, one a line, with the key that ends a won game last.
std::string Walkthrough(const play& commands);

}  // namespace quillmore

#endif  // QUILLMORE_TOOLS_CHECK_EXPLORATION_REPORT_H_
