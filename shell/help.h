#ifndef QUILLMORE_SHELL_HELP_H_
#define QUILLMORE_SHELL_HELP_H_

// Writes the list of commands.
void WriteHelp();

#endif  // QUILLMORE_SHELL_HELP_H_
