#include "world/player_input.h"

#include <iostream>
#include <limits>

bool ReadWord(std::string& word) {
  return static_cast<bool>(std::cin >> word);
}

bool ReadLine(std::string& line) {
  return static_cast<bool>(std::getline(std::cin, line));
}

bool ReadCharacter(char& character) {
  return static_cast<bool>(std::cin.get(character));
}

bool DiscardLine() {
  std::cin.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
  return std::cin.gcount() > 0;
}

bool ReadAnswer(char& character) {
  return static_cast<bool>(std::cin >> character);
}

bool AskWhileEmpty(std::string& text, const char* question) {
  while (text.empty()) {
    std::cout << question << std::endl;
    if (!ReadLine(text)) {
      return false;
    }
  }
  return true;
}
