// A folder's own map.txt and story.txt: read exactly, played as written, and refused with the
// file and line of the first problem, nothing played, when they do not fit the other files.

#include <gtest/gtest.h>

#include <string>

#include "game/data_files.h"
#include "game/game.h"
#include "test_world.h"

namespace quillmore {
namespace {

const char* const kRooms =
    "Harbour\nstone harbour\ngulls\nLighthouse\nwhite tower\ndark lamp\nBoat shed\ntar\nnets";
const char* const kPeople = "Nora the fisher\nBoat shed\nKeeper\nLighthouse\nCaptain\nHarbour";
const char* const kObjects = "lamp oil\ndented tin\nNPC\nNora\nglass of rum\ndark rum\nBoat shed";
const char* const kMap =
    "# the harbour\nstart Harbour\nfrom Harbour go north to Lighthouse\n"
    "from Harbour go east to Boat shed, back north\n";
// Texts as an author writes them: a blank kept at the start and at the end of a line, a line
// that runs on into the next text, and a carriage return before a line feed.
const char* const kStory =
    "opening\n> You wake on the pier.\n\nending\n>\n> You won!\n>\nevery drink\n> And the rum.\n"
    "drink glass of rum\n  from Boat shed\n"
    "person Nora the fisher\r\n  starts open\n  hands over lamp oil\n  next errand Keeper\n"
    "  after talk\n    finish errand\n"
    "  say when open\n  > Take the keeper some oil? \n  >\n  ask\n    a) Yes.\n    b) No.\n"
    "    otherwise Eh?\n    answer a\n    > Here.\n      moves the story on\n    answer b\n"
    "    >  Suit yourself.\n  say when done\n  > Go on.\n  >\n"
    "person Keeper\n  wants lamp oil\n  after gift\n    bring in Captain\n"
    "  say when gift received\n  > Light at last!\n    clears gift\n  say\n  > ::stares::\n"
    "person Captain\n  stands in Harbour\n  out of sight\n  wins the game\n  say\n  > Aboard!\n";

data_texts Folder(const std::string& map, const std::string& story) {
  data_texts data = ThreeFiles(kRooms, kPeople, kObjects);
  data.Of(data_file::kMap) = {{}, map};
  data.Of(data_file::kStory) = {{}, story};
  return data;
}

struct played {
  int status;
  std::string out;
  std::string errors;
};

played Play(const data_texts& data, const std::string& typed) {
  string_console screen(typed);
  std::ostringstream errors;
  const int status = PlayGame(screen.io, data, errors);
  return {status, screen.Written(), errors.str()};
}

TEST(StoryFile, AFolderOfItsOwnPlaysItsStoryAsWritten) {
  const played game = Play(
      Folder(kMap, kStory),
      "e\nget glass of rum\nt Nora\nx\na\nn\nn\ngive lamp oil\nKeeper\nt Keeper\ns\nt Captain\n\n");
  EXPECT_EQ(game.errors, "");
  EXPECT_EQ(game.status, kExitPlayed);
  for (const char* said :
       {"You wake on the pier.\n", "Take the keeper some oil? \n\nResponse: \na) Yes.\nb) No.\n",
        "Eh?\n", "Here.\nYou have recieved lamp oil.\n", "Light at last!\n",
        "Aboard!\n\nYou won!\n\nAnd the rum.\nPress any key"}) {
    EXPECT_NE(game.out.find(said), std::string::npos) << said << "\n---\n" << game.out;
  }
  // The way back of the bent connection: north from the shed.
  EXPECT_NE(game.out.find("\nHarbour\nstone harbour\n"), std::string::npos);
}

TEST(StoryFile, AnObjectWantedOnceOpenIsTakenOnlyWhileTheErrandIsOpen) {
  const std::string keeper = "person Keeper\n  wants glass of rum, once open\n";
  const std::string walk = "e\nget glass of rum\nn\nn\ngive glass of rum\nKeeper\n";
  EXPECT_NE(Play(Folder(kMap, keeper), walk).out.find("Um, I have no use for that."),
            std::string::npos);
  EXPECT_NE(Play(Folder(kMap, keeper + "  starts open\n"), walk)
                .out.find("You gave Keeper the glass of rum."),
            std::string::npos);
}

TEST(StoryFile, AFolderWithOnlyOneOfTheTwoFilesPlaysTheBuiltInOther) {
  data_texts data = Folder(kMap, kStory);
  data.Of(data_file::kStory).fault = file_fault::kMissing;
  // The built-in story knows nobody here: its people are only names, and the game goes on.
  const played game = Play(data, "t Nora\n");
  EXPECT_EQ(game.errors, "");
  EXPECT_NE(game.out.find("Fuzziness blurs into vision."), std::string::npos);
  // The built-in map starts where these rooms have no place: said in the game's own words.
  data = Folder(kMap, kStory);
  data.Of(data_file::kMap).fault = file_fault::kMissing;
  const played cork = Play(data, "");
  EXPECT_EQ(cork.errors, "");
  EXPECT_EQ(cork.out, "No match for given place name. Cannot create pointer.\n");
  EXPECT_EQ(cork.status, kExitBadData);
}

// Each problem of a folder's own files: the line on standard error, nothing written, status 255.
struct broken {
  std::string map;
  std::string story;
  const char* said;
};

void ExpectRefused(const broken& files, const data_texts& data) {
  const played game = Play(data, "");
  EXPECT_EQ(game.errors, std::string(files.said) + "\n");
  EXPECT_EQ(game.out, "") << files.said;
  EXPECT_EQ(game.status, kExitBadData) << files.said;
}

const std::string kPerson = "person Keeper\n  say\n  > Hi.\n";

TEST(StoryFile, EachProblemOfMapTxtIsSaidWithItsLineAndNothingIsPlayed) {
  const broken cases[] = {
      {"start Harbour\nfrom Harbour go up to Lighthouse", kPerson,
       "map.txt:2: \"up\" is no way: north, south, east or west"},
      {"start Harbour\nfrom Harbour go east to Boat shed, back up", kPerson,
       "map.txt:2: \"up\" is no way: north, south, east or west"},
      {"start Harbour\nfrom Harbour go north", kPerson,
       "map.txt:2: cannot read \"from Harbour go north\" here"},
      {"start Harbour\nfrom Harbour go north to , back south", kPerson,
       "map.txt:2: cannot read \"from Harbour go north to , back south\" here"},
      {"start Harbour\nfrom Harbour go north to Lighthose", kPerson,
       "map.txt:2: no room's name contains \"Lighthose\""},
      {"start\tHarbor\n", kPerson, "map.txt:1: no room's name contains \"Harbor\""},
      {"from Harbour go north to Lighthouse\n", kPerson, "map.txt: no start place"},
      {"start\n", kPerson, "map.txt:1: cannot read \"start\" here"},
      {"begin Harbour\n", kPerson, "map.txt:1: cannot read \"begin Harbour\" here"},
      {"start Harbour\nstart Lighthouse\n", kPerson, "map.txt:2: \"start\" is given twice"},
      {">The sea.\nstart Harbour\n", kPerson,
       "map.txt:1: a text line where no text belongs: \"The sea.\""},
      {"start Harbour\nfrom Harbour go north to Lighthouse\nfrom Harbour go north to Boat shed",
       kPerson, "map.txt:3: \"Harbour\" north is already taken by another connection"},
      {"start Harbour\nfrom Harbour go north to Lighthouse\nfrom Boat shed go north to Lighthouse",
       kPerson,
       "map.txt:3: the way back, \"Lighthouse\" south, is already taken by another connection"},
  };
  for (const broken& files : cases) {
    ExpectRefused(files, Folder(files.map, files.story));
  }
  data_texts unreadable = Folder(kMap, kPerson);
  unreadable.Of(data_file::kMap).fault = file_fault::kUnreadable;
  ExpectRefused({"", "", "map.txt: cannot be read"}, unreadable);
}

TEST(StoryFile, EachProblemOfStoryTxtIsSaidWithItsLineAndNothingIsPlayed) {
  const std::string& person = kPerson;
  const broken cases[] = {
      {kMap, "persn Keeper\n", "story.txt:1: cannot read \"persn Keeper\" here"},
      {kMap, "person\n", "story.txt:1: cannot read \"person\" here"},
      {kMap, "drink\n", "story.txt:1: cannot read \"drink\" here"},
      {kMap, "drink glass of rum\n  from\n", "story.txt:2: cannot read \"from\" here"},
      {kMap, "> Hello\n", "story.txt:1: a text line where no text belongs: \"Hello\""},
      {kMap, "opening\n> Hi.\nending\n> Bye.\nopening\n",
       "story.txt:5: \"opening\" is given twice"},
      {kMap, "drink glass of rum\n  from Pier\n", "story.txt:2: no room's name contains \"Pier\""},
      {kMap, "drink glass of gin\n",
       "story.txt:1: no object's name is or contains \"glass of gin\""},
      {kMap, person + "  from Harbour\n", "story.txt:4: cannot read \"from Harbour\" here"},
      {kMap, person + "  starts opened\n",
       "story.txt:4: \"opened\" is no stage: idle, open, waiting or done, or for a gift none, "
       "received or follow-up"},
      {kMap, person + "  say when opened\n",
       "story.txt:4: \"opened\" is no stage: idle, open, waiting or done, or for a gift none, "
       "received or follow-up"},
      {kMap, person + "  say when gift given\n",
       "story.txt:4: \"given\" is no stage: idle, open, waiting or done, or for a gift none, "
       "received or follow-up"},
      {kMap, person + "  say if open\n", "story.txt:4: cannot read \"if open\" here"},
      {kMap, person + "  before talk whenever\n", "story.txt:4: cannot read \"whenever\" here"},
      {kMap, person + "  before talk once Nora\n", "story.txt:4: cannot read \"once Nora\" here"},
      {kMap, person + "  before talk once Norah is done\n",
       "story.txt:4: no person's name contains \"Norah\""},
      {kMap, person + "  ask\n    a) Yes.\n    otherwise Eh?\n",
       "story.txt:4: the question has no \"b)\" line"},
      {kMap, person + "  ask\n    b) No.\n    otherwise Eh?\n",
       "story.txt:4: the question has no \"a)\" line"},
      {kMap, person + "  ask\n    a) Yes.\n    b) No.\n",
       "story.txt:4: the question has no \"otherwise\" line"},
      {kMap, person + "  ask\n    a) Yes.\n    > Sure?\n",
       "story.txt:6: a text line where no text belongs: \"Sure?\""},
      {kMap, person + "  ask\n    a) Yes.\n    b) No.\n    otherwise Eh?\n    and go on\n",
       "story.txt:8: cannot read \"and go on\" here"},
      {kMap, "person Keeper the old\n",
       "story.txt:1: \"Keeper the old\" is the full name of nobody in people.txt"},
      {kMap, person + "  next errand Norah\n", "story.txt:4: no person's name contains \"Norah\""},
      {kMap, person + "  wants lamp\n", "story.txt:4: no object's name is or contains \"lamp\""},
      {kMap, person + "  stands in Pier\n", "story.txt:4: no room's name contains \"Pier\""},
      {kMap, person + "  stands in Harbour\n  stands in Harbour\n",
       "story.txt:5: \"Harbour\" is given twice"},
      {kMap, person + "  after talk\n    finish errand for Nora\n",
       "story.txt:5: cannot read \"for Nora\" here"},
      {kMap, person + "  after talk\n    finish errand of\n",
       "story.txt:5: cannot read \"of\" here"},
      {kMap, person + "  after talk\n    finish errand of Norah\n",
       "story.txt:5: no person's name contains \"Norah\""},
      {kMap, person + "  before talk\n    errand of Norah becomes done\n",
       "story.txt:5: no person's name contains \"Norah\""},
      {kMap, person + "  after talk\n    errand goes done\n",
       "story.txt:5: cannot read \"goes done\" here"},
      {kMap, person + "  after talk\n    errand of Nora becomes over\n",
       "story.txt:5: \"over\" is no stage: idle, open, waiting or done, or for a gift none, "
       "received or follow-up"},
      {kMap, person + "  after gift\n    gift of Norah becomes received\n",
       "story.txt:5: no person's name contains \"Norah\""},
      {kMap, person + "  after gift\n    gift becomes given\n",
       "story.txt:5: \"given\" is no stage: idle, open, waiting or done, or for a gift none, "
       "received or follow-up"},
      {kMap, person + "  after talk\n    bring in Nora the fisher\n",
       "story.txt:5: \"Nora the fisher\" is brought in, but no person of the story of that full "
       "name stands in a place"},
      {kMap, person + "  after talk\n    bring in Keeper\n",
       "story.txt:5: \"Keeper\" is brought in, but no person of the story of that full name "
       "stands in a place"},
      {kMap, person + person, "story.txt:4: \"Keeper\" is given twice"},
      // The first problem in the file's order, whatever the order they are looked for in.
      {kMap, person + "  wants lamp\ndrink glass of gin\n",
       "story.txt:4: no object's name is or contains \"lamp\""},
      {kMap, "drink glass of gin\n" + person + "  wants lamp\n",
       "story.txt:1: no object's name is or contains \"glass of gin\""},
  };
  for (const broken& files : cases) {
    ExpectRefused(files, Folder(files.map, files.story));
  }
  data_texts unreadable = Folder(kMap, kStory);
  unreadable.Of(data_file::kStory).fault = file_fault::kUnreadable;
  ExpectRefused({"", "", "story.txt: cannot be read"}, unreadable);
}

}  // namespace
}  // namespace quillmore
