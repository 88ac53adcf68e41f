#include "people/speech.h"

#include <iostream>

void SayLine(std::initializer_list<const char*> pieces) {
  for (const char* piece : pieces) {
    std::cout << piece;
  }
  std::cout << std::endl;
}

void Say(std::initializer_list<const char*> pieces) {
  SayLine(pieces);
  std::cout << std::endl;
}
