#include "tools/options.h"

#include <getopt.h>

#include <iostream>
#include <vector>

#include "game/options.h"

namespace {

constexpr int kHelp = 'h';
constexpr int kVersion = 'v';
// getopt_long's code for the tool's own option at index i.
constexpr int kOwn = 256;

}  // namespace

int ReadToolOptions(int argc, char** argv, const char* name, const char* usage,
                    std::span<const tool_option> own) {
  std::vector<option> options = {{"help", no_argument, nullptr, kHelp},
                                 {"version", no_argument, nullptr, kVersion}};
  for (std::size_t i = 0; i < own.size(); ++i) {
    const int takes = own[i].value != nullptr ? required_argument : no_argument;
    options.push_back({own[i].name, takes, nullptr, kOwn + static_cast<int>(i)});
  }
  options.push_back({nullptr, 0, nullptr, 0});
  // Long options only: "-h" is as unknown as "-x".
  opterr = 0;
  for (;;) {
    const int before = optind;
    const int code = getopt_long(argc, argv, ":", options.data(), nullptr);
    if (code == -1) {
      return -1;
    }
    if (code == kHelp) {
      std::cout << usage;
      return std::cout.flush() ? 0 : 1;
    }
    if (code == kVersion) {
      std::cout << name << ' ' << QUILLMORE_VERSION << '\n';
      return std::cout.flush() ? 0 : 1;
    }
    if (code < kOwn) {
      std::cerr << quillmore::RefusedOption(name, code, before, argv);
      return 2;
    }
    const tool_option& chosen = own[static_cast<std::size_t>(code - kOwn)];
    *chosen.given = true;
    if (chosen.value != nullptr) {
      *chosen.value = optarg;
    }
  }
}
