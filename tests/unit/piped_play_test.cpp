// The studio's play pane shows each typed line with what the game wrote in answer to it, and marks
// the lines whose answer a change of the data changed: so the pieces must add up, byte for byte,
// to the game played piped, each piece must belong to the line it answers, and lines past the end
// of the game must be told apart from lines the game read and said nothing to.

#include "tools/studio/piped_play.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "console/console.h"
#include "console/read_only_file_system.h"
#include "game/data_files.h"
#include "game/game.h"

namespace quillmore {
namespace {

std::string PlayedPlain(const std::string& input) {
  std::istringstream typed(input);
  std::ostringstream written;
  std::ostringstream errors;
  console io(typed, written);
  read_only_file_system disk;
  PlayGame(io, ReadDataFiles(disk, QUILLMORE_SHIPPED_DATA), errors);
  return written.str();
}

TEST(PipedPlay, CutsThePipedGameByTheLineEachPieceAnswers) {
  // "get" alone reads its line end, then the name from the next line; "q" ends the game, so the
  // last line is never read.
  const piped_play played =
      PlayPiped(QUILLMORE_SHIPPED_DATA, {"s", "", "get", "nothing", "q", "n"});
  std::string whole;
  for (const std::string& piece : played.said) {
    whole += piece;
  }
  EXPECT_EQ(whole, PlayedPlain("s\n\nget\nnothing\nq\nn\n"));
  ASSERT_EQ(played.said.size(), 6U);
  EXPECT_NE(played.said[0].find("Fitzgerald Park"), std::string::npos);
  EXPECT_EQ(played.said[1].rfind("\nWestern Road east\n", 0), 0U) << played.said[1];
  EXPECT_EQ(played.said[2], "");
  EXPECT_EQ(played.said[3], "");
  EXPECT_EQ(played.said[4], "Item not found.\n");
  EXPECT_NE(played.said[5].find("Goodbye!"), std::string::npos);
  EXPECT_EQ(played.status, kExitPlayed);
}

}  // namespace
}  // namespace quillmore
