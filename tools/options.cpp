#include "tools/options.h"

#include <getopt.h>

#include <iostream>

int ReadToolOptions(int argc, char** argv, const char* name, const char* usage) {
  static const option kOptions[] = {{"help", no_argument, nullptr, 'h'},
                                    {"version", no_argument, nullptr, 'v'},
                                    {nullptr, 0, nullptr, 0}};
  // Long options only: "-h" is as unknown as "-x".
  switch (getopt_long(argc, argv, "", kOptions, nullptr)) {
    case -1:
      return -1;
    case 'h':
      std::cout << usage;
      return std::cout.flush() ? 0 : 1;
    case 'v':
      std::cout << name << ' ' << QUILLMORE_VERSION << '\n';
      return std::cout.flush() ? 0 : 1;
    default:
      return 2;
  }
}
