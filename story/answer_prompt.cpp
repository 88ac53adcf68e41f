#include "story/conversation.h"

namespace quillmore {

char AskChoice(console& io, const char* optionA, const char* optionB, const char* complaint) {
  io.Line("Response: ");
  io.Line(optionA);
  io.Line(optionB);
  io.Line();
  char answer = kNoAnswer;
  while (io.ReadAnswer(answer)) {
    if (answer == 'a' || answer == 'b') {
      return answer;
    }
    io.Line(complaint);
  }
  return kNoAnswer;
}

}  // namespace quillmore
