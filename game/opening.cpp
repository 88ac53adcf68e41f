#include "game/opening.h"

#include "console/console.h"
#include "game/narration.h"

namespace quillmore {

namespace {

constexpr const char* kRule = "*%*%*%*%*%*%*%*%*%*";

}  // namespace

void WriteOpening(console& io, std::string_view story) {
  io.Line();
  io.Line();
  io.Line("Game creator Orlanthe welcomes you to: ");
  io.Line();
  io.Line(kRule);
  io.Line("o8- Quillmore -8o");
  io.Line(kRule);
  io.Line();
  io.Line();
  Say(io, story);
  io.Line();
  io.Line("Type in 'Commands' to see the list of what you can do.");
  io.Line();
}

}  // namespace quillmore
