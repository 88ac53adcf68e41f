// What a player who types at a terminal or in the page is given beyond piped play: the hints; an
// answer taken as a whole line; Tab's blank; the row ended at Ctrl-C; and options refused in a
// line that names --help.

#include <getopt.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "console/completion.h"
#include "console/console.h"
#include "game/game.h"
#include "game/hints.h"
#include "game/options.h"
#include "game/talk.h"
#include "terminal/line_editor.h"
#include "test_world.h"

namespace quillmore {
namespace {

// A front end that leaves the hints as front ends have them unless they say otherwise.
class plain_player : public front_end {
 public:
  void Attach(console& /*io*/) override {}
  void Waiting(wanted /*what*/) override {}
  void GameOver(ending /*how*/) override {}
  int LineWidth() override { return 0; }
};

// A player who types, shown the hints of `where`.
class typing_player : public plain_player {
 public:
  explicit typing_player(hints where) : where(where) {}
  hints Hints() override { return where; }

 private:
  hints where;
};

// Plays the shipped data on `typed`, with `player` if any; returns what the game wrote.
std::string Play(const std::string& typed, front_end* player) {
  std::istringstream in(typed);
  std::ostringstream out;
  console io(in, out, player);
  std::ostringstream errors;
  EXPECT_EQ(PlayGame(io, FolderTexts(QUILLMORE_SHIPPED_DATA), errors), kExitPlayed);
  return out.str();
}

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

TEST(TypedPlay, AHintFollowsTheGamesReplyOnceAGameOnlyWhereThePlayerTypes) {
  const std::string typed =
      "x\nexamine\nNORTH\nSOUTH\ngo north\nlook at couple\ntalk to couple\ntake\nhelp\nagain\n"
      "save\nrestore\ninv\nexit\nxyzzy\nx\n";
  typing_player terminal(hints::kTerminal);
  const std::string shown = Play(typed, &terminal);
  const std::string unknown =
      "That is not an option. Type in 'Commands' to see the list of what you can do. \n";
  // x, examine, NORTH: the hint right after the game's line, and the same hint not again.
  EXPECT_EQ(Count(shown, unknown + "(To look at something, type look and its name.)\n" + unknown +
                             unknown + "(Type commands in small letters: north.)\n"),
            1u);
  for (const char* hint :
       {"(To look at something, type look and its name.)\n",
        "(Type the direction alone: north, south, east or west, or n, s, e, w.)\n",
        "There is no person by that name here.\n\n"
        "(To talk to someone, type talk and the name, without to.)\n",
        "(To pick something up, type get and its name.)\n",
        "(For help, type commands, or just c.)\n",
        "(To do the same again, press Up for the last command, then Enter.)\n",
        "(Your game is kept as you play; quillmore --continue takes it up.)\n",
        "(To see what you carry, type inventory, or i.)\n",
        "(To leave the game, type quit, or q.)\n"}) {
    EXPECT_EQ(Count(shown, hint), 1u) << hint;
  }
  EXPECT_EQ(Count(shown, "\n("), 10u);  // and no other: not for SOUTH, xyzzy or a second x

  typing_player page(hints::kPage);
  EXPECT_EQ(Count(Play(typed, &page),
                  "(Your game is kept as you play, and goes on when you open the page again.)\n"),
            1u);
  // A front end that shows none, as front ends do unless they say so, writes what piped play
  // writes.
  plain_player none;
  EXPECT_EQ(Play(typed, &none), Play(typed, nullptr));
  EXPECT_EQ(Count(Play(typed, nullptr), "\n("), 0u);
}

// A name that fails only for its capitals is shown as it is spelled, each time, where one types.
TEST(TypedPlay, ANameInOtherCapitalsGetsItsSpellingAndARightOneNone) {
  typing_player terminal(hints::kTerminal);
  const std::string typed = "talk Couple\ntalk couple\ntalk COUPLE\n";
  const std::string hint = "(Names are typed as they are spelled: talk couple.)\n";
  EXPECT_EQ(Count(Play(typed, &terminal), hint), 2u);
  EXPECT_EQ(Count(Play(typed, nullptr), hint), 0u);
}

// Looking at something that is not here is the game's own answer, unless the name began with at.
TEST(TypedPlay, LookAtAloneGetsTheLookHintAndLookAThingNone) {
  typing_player terminal(hints::kTerminal);
  const std::string hint = "(To look at something, type look and its name.)\n";
  EXPECT_EQ(Count(Play("look couple\nlook\nthe couple\n", &terminal), hint), 0u);
  EXPECT_EQ(Count(Play("look couple\nlook at couple\n", &terminal), hint), 1u);
}

TEST(TypedPlay, LookAtAndTalkToAreTheWordsAtAndToFirstInAName) {
  for (const char* name : {"at", "at couple", "AT couple", "At  couple"}) {
    EXPECT_TRUE(BeginsWithWord(name, "at")) << name;
  }
  for (const char* name : {"", "a", "atlas", "the couple", "bat couple", " at couple"}) {
    EXPECT_FALSE(BeginsWithWord(name, "at")) << name;
  }
}

TEST(TypedPlay, AnAnswerLineIsAOrBInEitherCaseAndNothingElse) {
  std::string given = "untouched";
  for (const char* typed : {"", "\n", "get pint\n", "Liam\n", "ab\n", "a b\n", "c\n", "aa\n"}) {
    EXPECT_FALSE(AnswerLine(typed, given)) << typed;
  }
  EXPECT_EQ(given, "untouched");
  ASSERT_TRUE(AnswerLine("a\n", given));
  EXPECT_EQ(given, "a\n");
  ASSERT_TRUE(AnswerLine("  B \n", given));
  EXPECT_EQ(given, "b\n");
}

TEST(TypedPlay, TabPutsABlankAfterAWholeWordAndTheGameReadsNone) {
  std::string filled;
  ASSERT_TRUE(FillInWord({.start = 0, .candidates = {"talk"}}, "tal", filled));
  EXPECT_EQ(filled, "talk ");
  ASSERT_TRUE(FillInWord({.start = 5, .candidates = {"pint of Bulmers Cider", "pint of Murphy's"}},
                         "drop pi", filled));
  EXPECT_EQ(filled, "pint of ");  // what several share, no more
  EXPECT_FALSE(FillInWord({.start = 5, .candidates = {"photo slip", "pint"}}, "look p", filled));

  std::string line = "talk Conor  \n";
  DropTrailingBlanks(line);
  EXPECT_EQ(line, "talk Conor\n");
  line = "   \n";
  DropTrailingBlanks(line);
  EXPECT_EQ(line, "\n");
  line = " look";
  DropTrailingBlanks(line);
  EXPECT_EQ(line, " look");
  line.clear();
  DropTrailingBlanks(line);
  EXPECT_EQ(line, "");
}

TEST(TypedPlay, AnInterruptEndsTheRowTypedOnThenTakesItsOwnCourse) {
  int ends[2] = {};
  ASSERT_EQ(pipe(ends), 0);
  std::FILE* in = std::fopen("/dev/null", "r");
  std::FILE* out = fdopen(ends[1], "w");
  {
    const line_editor editor(in, out, {}, [](std::string_view) { return completion{}; });
    // The window's size changing stands in for Ctrl-C: its own course is to be ignored.
    line_editor::EndRowAndRaise(SIGWINCH);
  }
  std::fclose(out);
  std::fclose(in);
  char written[16] = {};
  EXPECT_EQ(read(ends[0], written, sizeof written), 1);
  EXPECT_EQ(written[0], '\n');
  close(ends[0]);
}

// Reads `arguments` as the game's options; returns what was said on standard error.
std::string Refused(std::vector<std::string> arguments, options& chosen) {
  std::vector<char*> argv;
  std::string program = "quillmore";
  argv.push_back(program.data());
  for (std::string& argument : arguments) {
    argv.push_back(argument.data());
  }
  std::ostringstream said;
  std::streambuf* before = std::cerr.rdbuf(said.rdbuf());
  optind = 0;  // getopt starts afresh
  chosen = ReadOptions(static_cast<int>(argv.size()), argv.data());
  std::cerr.rdbuf(before);
  return said.str();
}

TEST(TypedPlay, AnOptionRefusedIsNamedAsTypedWithHelp) {
  options chosen;
  EXPECT_EQ(Refused({"--plain", "-cx"}, chosen),
            "quillmore: unknown option '-x'; see quillmore --help\n");
  EXPECT_TRUE(chosen.wrong);
  EXPECT_EQ(Refused({"--plain", "-xc"}, chosen),
            "quillmore: unknown option '-x'; see quillmore --help\n");
  EXPECT_EQ(Refused({"one", "--help=yes", "two"}, chosen),
            "quillmore: unknown option '--help=yes'; see quillmore --help\n");
  EXPECT_EQ(Refused({"-c", "--plain"}, chosen), "");
  EXPECT_FALSE(chosen.wrong);
  EXPECT_TRUE(chosen.resume && chosen.plain);
  EXPECT_EQ(Refused({"--continue=~/quillmore.save", "--transcript", "game.txt"}, chosen), "");
  EXPECT_TRUE(chosen.resume);
  EXPECT_EQ(chosen.resumeFrom, "~/quillmore.save");
  EXPECT_EQ(chosen.transcriptFile, "game.txt");
  EXPECT_EQ(Refused({"--transcript"}, chosen),
            "quillmore: option '--transcript' needs a value; see quillmore --help\n");

  // A tool's option without its value: getopt_long has taken the option, and found nothing after.
  std::string tool = "quillmore-check";
  std::string option = "--walkthrough";
  char* argv[] = {tool.data(), option.data()};
  optind = 2;
  EXPECT_EQ(RefusedOption("quillmore-check", ':', 1, argv),
            "quillmore-check: option '--walkthrough' needs a value; see quillmore-check --help\n");
}

}  // namespace
}  // namespace quillmore
