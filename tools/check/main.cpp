// quillmore-check [FOLDER]: checks the data files of Quillmore in FOLDER (by default the working
// directory) and prints one line for each problem, with file and line number. Exit status 0
// when the data are sound, 1 when a problem was found, 2 when called wrongly.

#include <getopt.h>

#include <iostream>
#include <string>

#include "tools/check/data_check.h"
#include "tools/options.h"

namespace {

const char kUsage[] =
    "usage: quillmore-check [FOLDER]\n"
    "Checks the Quillmore data files rooms.txt, people.txt and objects.txt in FOLDER (by\n"
    "default the working directory) and prints one line for each problem. Exit status: 0 when\n"
    "the data are sound, 1 when a problem was found, 2 when called wrongly.\n"
    "\n"
    "  --help     print this help and exit\n"
    "  --version  print the version and exit\n";

}  // namespace

using quillmore::CheckData;
using quillmore::finding;
using quillmore::FormatFinding;

int main(int argc, char** argv) {
  const int status = ReadToolOptions(argc, argv, "quillmore-check", kUsage);
  if (status != -1) {
    return status;
  }
  if (argc - optind > 1) {
    std::cerr << "usage: quillmore-check [FOLDER]\n";
    return 2;
  }
  const std::string folder = argc - optind == 1 ? argv[optind] : ".";
  const std::vector<finding> findings = CheckData(folder);
  for (const finding& found : findings) {
    std::cout << FormatFinding(folder, found) << '\n';
  }
  return findings.empty() ? 0 : 1;
}
