// quillmore-check [FOLDER]: checks the data files of Quillmore in FOLDER (by default the working
// directory) and prints one line for each problem, with file and line number. Exit status 0
// when the data are sound, 1 when a problem was found, 2 when called wrongly.

#include <iostream>
#include <string>

#include "tools/check/data_check.h"

using quillmore::CheckData;
using quillmore::finding;
using quillmore::FormatFinding;

int main(int argc, char** argv) {
  if (argc > 2) {
    std::cerr << "usage: quillmore-check [FOLDER]\n";
    return 2;
  }
  const std::string folder = argc == 2 ? argv[1] : ".";
  const std::vector<finding> findings = CheckData(folder);
  for (const finding& found : findings) {
    std::cout << FormatFinding(folder, found) << '\n';
  }
  return findings.empty() ? 0 : 1;
}
