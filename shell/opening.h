#ifndef QUILLMORE_SHELL_OPENING_H_
#define QUILLMORE_SHELL_OPENING_H_

// Writes the title banner and the opening story, which ends on an empty line.
void WriteOpening();

#endif  // QUILLMORE_SHELL_OPENING_H_
