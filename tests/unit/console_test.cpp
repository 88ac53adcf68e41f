#include "console/console.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "game/game.h"
#include "test_world.h"

namespace quillmore {
namespace {

// A front end with a terminal of a fixed width that nobody types at.
class narrow_terminal : public front_end {
 public:
  explicit narrow_terminal(int width) : width(width) {}
  void Attach(console& /*io*/) override {}
  void Waiting(wanted /*what*/) override {}
  void GameOver(ending /*how*/) override {}
  int LineWidth() override { return width; }

  int width;
};

TEST(Console, WrapsEveryLineAtTheWidthItIsGivenThen) {
  std::istringstream in;
  std::ostringstream out;
  narrow_terminal screen(10);
  console io(in, out, &screen);
  io.Line("Thank you, ", "come again.");
  screen.width = 6;  // the terminal was made narrower
  io.Line("Hello there.");
  io.Text("Press any key ");
  io.Flush();
  EXPECT_EQ(out.str(), "Thank you,\ncome\nagain.\nHello\nthere.\nPress\nany\nkey ");
}

// An output that passes on what was written only when it is flushed, as standard output does
// into a pipe.
class pipe_buffer : public std::stringbuf {
 public:
  std::string passed;

 protected:
  int sync() override {
    passed = str();
    return 0;
  }
};

// `quillmore | cat` at a terminal shows each line as the game ends it.
TEST(Console, PassesEveryLineOnAsItEnds) {
  for (const int width : {0, 10}) {
    std::istringstream in;
    pipe_buffer pipe;
    std::ostream out(&pipe);
    narrow_terminal screen(width);
    console io(in, out, &screen);
    io.Text("You see ");
    EXPECT_EQ(pipe.passed, "");
    io.Line("here: a bench.");
    EXPECT_EQ(pipe.passed, width == 0 ? "You see here: a bench.\n" : "You see\nhere: a\nbench.\n");
  }
}

// Plays the park with what was typed before and what is typed now; returns what is written.
std::string Continue(const std::string& before, const std::string& now) {
  std::istringstream typed(now);
  std::ostringstream written;
  console io(typed, written);
  io.Replay(before);
  std::ostringstream errors;
  EXPECT_EQ(PlayGame(io,
                     ThreeFiles("Fitzgerald Park\npark\ndetail\nWestern Road east\nroad\ndetail\n"
                                "Western Star\npub\ndetail",
                                "Conor\nStar", "english coins\nround\nUSER"),
                     errors),
            kExitPlayed);
  return written.str();
}

TEST(Console, AContinuedGameShowsWhereThePlayerStandsAndGoesOn) {
  EXPECT_EQ(Continue("s\n", "i\n"),
            "\nWestern Road east\nroad\ndetail\n\nYou see here: Nothing notable.\n"
            "Interesting people are: No one notable.\nYou are holding: english coins\n");
  // Caught up in the middle of a command, it shows the question it was asking as well.
  EXPECT_EQ(Continue("give english coins\n", "Conor\n"),
            "\nFitzgerald Park\npark\ndetail\n\nYou see here: Nothing notable.\n"
            "Interesting people are: No one notable.\nTo whom? \n"
            "That person is not in this room.\n\n");
}

// Reads characters until input ends, as a game would, into `read`.
task<int> ReadCharacters(console& io, std::string& read) {
  for (char character = 0;;) {
    const bool got = co_await io.ReadCharacter(character, wanted::kCommand);
    if (!got) {
      co_return 0;
    }
    read.push_back(character);
  }
}

// What was typed before is read as it was typed, a character at a time across its lines too,
// then what is typed now, given whenever the game waits; a front end that keeps no typing of its
// own need not hear of it.
TEST(Console, ReadsWhatWasTypedBeforeCharacterByCharacterThenWhatIsTypedNow) {
  std::istringstream typed("e\n");
  std::ostringstream written;
  narrow_terminal screen(0);
  console io(typed, written, &screen);
  io.Replay("ab\nc");  // the last line not ended, as a line cut short would be
  std::string read;
  task<int> reading = ReadCharacters(io, read);
  reading.Start();
  EXPECT_TRUE(io.Waiting());
  io.PlayOut();
  EXPECT_TRUE(reading.Done());
  EXPECT_EQ(read, "ab\nce\n");
}

// Reads two words as a game would, writing a line after each.
task<int> ReadTwoWords(console& io, std::string& word) {
  const bool first = co_await io.ReadWord(word);
  io.Line("unheard");
  const bool second = co_await io.ReadWord(word);
  io.Line("heard");
  co_return first&& second ? 2 : 0;
}

TEST(Console, OffersNothingToCompleteAndShowsNothingMoreWithoutAGame) {
  std::ostringstream written;
  console io(written);
  EXPECT_TRUE(io.Complete("talk co").candidates.empty());
  io.Replay("before\n");
  std::string word;
  task<int> reading = ReadTwoWords(io, word);
  reading.Start();
  io.Give("later\n");
  ASSERT_TRUE(reading.Done());
  EXPECT_EQ(reading.Result(), 2);
  EXPECT_EQ(word, "later");
  EXPECT_EQ(written.str(), "heard\n");
}

}  // namespace
}  // namespace quillmore
