#include "story/conversation.h"

namespace quillmore {

void SayLine(console& io, std::initializer_list<const char*> pieces) {
  for (const char* piece : pieces) {
    io.Write(piece);
  }
  io.EndLine();
}

void Say(console& io, std::initializer_list<const char*> pieces) {
  SayLine(io, pieces);
  io.EndLine();
}

}  // namespace quillmore
