#include "shell/opening.h"

#include <iostream>

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

void WriteOpening() {
  std::cout << std::endl << std::endl;
  std::cout << "Game creator Orlanthe welcomes you to: " << std::endl << std::endl;
  std::cout << kRule << std::endl << "o8- Quillmore -8o" << std::endl << kRule << std::endl;
  std::cout << std::endl << std::endl;
  for (const char* piece : kOpeningStory) {
    std::cout << piece;
  }
  std::cout << std::endl << std::endl;
  std::cout << "Type in 'Commands' to see the list of what you can do." << std::endl << std::endl;
}
