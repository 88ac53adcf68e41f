#ifndef QUILLMORE_TOOLS_OPTIONS_H_
#define QUILLMORE_TOOLS_OPTIONS_H_

// The options every tool takes: --help writes `usage` to standard output, --version writes
// "NAME VERSION"; any other option gets one line on standard error from getopt_long. Returns
// the exit status the tool must end with (0 after --help or --version, 2 after an unknown
// option), or -1 when there were no options and the operands start at argv[optind].
int ReadToolOptions(int argc, char** argv, const char* name, const char* usage);

#endif  // QUILLMORE_TOOLS_OPTIONS_H_
