#ifndef QUILLMORE_TOOLS_OPTIONS_H_
#define QUILLMORE_TOOLS_OPTIONS_H_

#include <span>
#include <string>

// An option a tool takes besides --help and --version: its long name, and where to note that it
// was given and, for an option that takes a value, the value.
struct tool_option {
  const char* name;
  bool* given;
  std::string* value = nullptr;
};

// The options every tool takes, and the tool's own: --help writes `usage` to standard output,
// --version writes "NAME VERSION"; any other option, or one without its value, gets one line
// on standard error that names it and --help. Returns the exit status the tool must end with (0
// after --help or --version, 2 after an unknown option or a missing value), or -1 when the operands
// start at argv[optind].
int ReadToolOptions(int argc, char** argv, const char* name, const char* usage,
                    std::span<const tool_option> own = {});

#endif  // QUILLMORE_TOOLS_OPTIONS_H_
