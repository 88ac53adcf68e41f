#ifndef QUILLMORE_TOOLS_CHECK_DATA_CHECK_H_
#define QUILLMORE_TOOLS_CHECK_DATA_CHECK_H_

#include <string>
#include <vector>

#include "world/load_report.h"

namespace quillmore {

// One finding about the data files: the file, the line (0 when it concerns the whole file) and
// what is wrong; or, for what concerns the whole game, no file at all.
struct finding {
  data_file file;
  int line;
  std::string message;
  bool wholeGame = false;
  bool note = false;  // worth knowing, but no problem: it alone does not fail the check
};

// Reads the three data files of `folder` the way the game does, through the game's own loaders
// and lookups, and returns everything that would make the game misbehave, in file and line order.
// A fault that others follow from (a keyword written otherwise, carriage returns) comes with the
// number of lines that follow from it, and those lines are left out: they are the ones that go
// away when the fault alone is mended.
std::vector<finding> CheckData(const std::string& folder);

// "FOLDER/FILE:LINE: MESSAGE"; without "./" for the working directory, and without the line
// number when the finding concerns the whole file. A finding of the whole game is
// "FOLDER: MESSAGE", or the message alone for the working directory.
std::string FormatFinding(const std::string& folder, const finding& found);

}  // namespace quillmore

#endif  // QUILLMORE_TOOLS_CHECK_DATA_CHECK_H_
