#include <iostream>

#include "world/person.h"
#include "world/player_input.h"

char person::AskChoice(const char* optionA, const char* optionB, const char* complaint) {
  std::cout << "Response: " << std::endl;
  std::cout << optionA << std::endl;
  std::cout << optionB << std::endl << std::endl;
  // Only the one character is taken: the rest of its line is left for the next read.
  while (ReadAnswer(answer)) {
    if (answer == 'a' || answer == 'b') {
      return answer;
    }
    std::cout << complaint << std::endl;
  }
  return kNoAnswer;
}
