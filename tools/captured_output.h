#ifndef QUILLMORE_TOOLS_CAPTURED_OUTPUT_H_
#define QUILLMORE_TOOLS_CAPTURED_OUTPUT_H_

#include <iostream>
#include <sstream>
#include <string>

// Sends standard output to a string for as long as it lives. The game writes every message to
// standard output, so this is how tools and tests hear what the loaders and lookups said.
class captured_output {
 public:
  captured_output() : saved(std::cout.rdbuf(text.rdbuf())) {}
  ~captured_output() { std::cout.rdbuf(saved); }
  captured_output(const captured_output&) = delete;
  captured_output& operator=(const captured_output&) = delete;
  std::string Text() const { return text.str(); }

 private:
  std::ostringstream text;
  std::streambuf* saved;
};

#endif  // QUILLMORE_TOOLS_CAPTURED_OUTPUT_H_
