#include "game/opening.h"

#include "console/console.h"

namespace quillmore {

namespace {

// The story is one console line; the console wraps it.
constexpr const char* kOpeningStory[] = {
    "Fuzziness blurs into vision. ",
    "Green leaves sway above you against a flat grey sky, and a dull throb beats at the back of "
    "your skull as if something struck you hard. ",
    "You are lying on the damp ground of a small tidy park, the grass cold beneath your palms. ",
    "Somewhere nearby, passers-by murmur to one another in soft Irish accents and pay you no "
    "mind. ",
    "You sit up slowly and the truth settles in like the weather: you have no idea where you are, "
    "and worse, you cannot remember who you are. ",
    "Glancing down, you take stock of yourself: a man with short black hair, in khakis, a dark "
    "blue button-down shirt and a black jacket. ",
    "You pat down your pockets one by one, hoping for any clue. ",
    "In one you find a crumpled one hour photo slip, ",
    "and a few stray coins from the UK jingle in the other. ",
    "Your wallet is gone.",
};

constexpr const char* kRule = "*%*%*%*%*%*%*%*%*%*";

}  // namespace

void WriteOpening(console& io) {
  io.Line();
  io.Line();
  io.Line("Game creator Orlanthe welcomes you to: ");
  io.Line();
  io.Line(kRule);
  io.Line("o8- Quillmore -8o");
  io.Line(kRule);
  io.Line();
  io.Line();
  for (const char* piece : kOpeningStory) {
    io.Write(piece);
  }
  io.EndLine();
  io.Line();
  io.Line("Type in 'Commands' to see the list of what you can do.");
  io.Line();
}

}  // namespace quillmore
