#ifndef QUILLMORE_SHELL_WAIT_FOR_KEY_H_
#define QUILLMORE_SHELL_WAIT_FOR_KEY_H_

// Writes "Press any key to continue . . . " and waits for one key: on a terminal a single key
// press without Enter, otherwise one character of standard input or its end. Then ends the line.
void WaitForKey();

#endif  // QUILLMORE_SHELL_WAIT_FOR_KEY_H_
