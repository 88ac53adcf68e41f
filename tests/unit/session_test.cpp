// The session both front ends drive: what it gives the game, what it keeps, and what it says.

#include "game/session.h"

#include <gtest/gtest.h>

#include <string>

#include "game/messages.h"
#include "game/whole_save.h"
#include "game/whole_story.h"
#include "test_world.h"

namespace quillmore {
namespace {

// A save kept in memory, as the page keeps one in the browser.
class memory_save : public whole_save {
 public:
  using whole_save::whole_save;
  std::optional<std::string> text;
  bool full = false;

 private:
  std::optional<std::string> Stored() override { return text; }
  bool Store(std::string_view kept) override {
    if (!full) {
      text = kept;
    }
    return !full;
  }
  void Remove() override { text.reset(); }
};

struct typed_game {
  explicit typed_game(memory_save& keep)
      : played(out, {.typed = true, .shown = hints::kPage, .keep = &keep, .quitKept = "(kept)"}) {}
  // The shipped data, or a set of the tests' own.
  void Start(const std::string& set = "") {
    string_output errors;
    ASSERT_TRUE(played.Start(FolderTexts(std::string(QUILLMORE_SHIPPED_DATA) + set), errors));
  }
  // What the game wrote since the last call.
  std::string Said() {
    const std::string said = out.text;
    out.text.clear();
    return said;
  }
  string_output out;
  session played;
};

const std::string kOurs = "0123456789abcdef";

TEST(Session, KeepsWhatTheGameReadTakesBackCommandsAndKeepsAQuitGameAsItStoodBefore) {
  memory_save keep({.current = kOurs});
  typed_game game(keep);
  game.Start();
  EXPECT_EQ(game.played.Waiting(), wanted::kCommand);
  game.played.Type("* the park is lovely\n", "> ");
  EXPECT_NE(game.Said().find(Text(message::kCommentNoted)), std::string::npos);
  EXPECT_FALSE(keep.text.has_value());  // a comment is no line of the game
  game.played.Type("s\n", "> ");
  game.played.Type("get  \n", "> ");  // the blank Tab leaves after a word is no part of it
  EXPECT_EQ(game.played.Waiting(), wanted::kObjectHere);
  EXPECT_EQ(game.played.Question(), "get what?");
  game.played.Undo("");  // the button, in the middle of a command
  EXPECT_EQ(game.played.Typing(), "s\n");
  EXPECT_EQ(keep.text, SaveHeader(kOurs) + "s\n");
  EXPECT_EQ(game.played.Waiting(), wanted::kCommand);
  game.Said();
  game.played.Type("quit\n", "> ");
  EXPECT_TRUE(game.played.Over());
  EXPECT_NE(game.Said().find("(kept)"), std::string::npos);
  EXPECT_EQ(keep.text, SaveHeader(kOurs) + "s\n");

  // Taken up again, the game catches up without a word and says where the player stands.
  memory_save again({.current = kOurs});
  again.text = keep.text;
  typed_game next(again);
  std::string notice;
  next.played.Continue(again.TakeUp(notice));
  next.Start();
  EXPECT_EQ(notice, "");
  EXPECT_EQ(next.Said().rfind("\nWestern Road east\n", 0), 0u);

  // Typing that quits as it is caught up with ends in silence, keeps nothing, and is no game to
  // go on with: a new one begins, with nothing typed, and the front end's line stands after its
  // opening, where the player reads on.
  memory_save ended({.current = kOurs});
  typed_game quitter(ended);
  quitter.played.Continue("s\nq\n");
  quitter.Start();
  EXPECT_TRUE(quitter.played.EndedAsCaughtUp());
  EXPECT_EQ(quitter.Said(), "");
  EXPECT_FALSE(ended.text.has_value());
  quitter.played.BeginAnew("(anew)");
  EXPECT_FALSE(quitter.played.EndedAsCaughtUp());
  EXPECT_EQ(quitter.played.Typing(), "");
  EXPECT_EQ(quitter.played.Waiting(), wanted::kCommand);
  const std::string anew = quitter.Said();
  EXPECT_LT(anew.find("Type in 'Commands'"), anew.find("Interesting people are:"));
  EXPECT_TRUE(anew.ends_with("Interesting people are: couple lying on a blanket\n(anew)\n"))
      << anew;
}

TEST(Session, TakesAnAnswerOnlyAsAOrBAndSaysOnceWhenTheSaveCannotBeKept) {
  memory_save keep({.current = kOurs});
  typed_game game(keep);
  game.Start("/../tests/data/story-park");
  game.played.Type("talk Liam\n", "> ");
  ASSERT_EQ(game.played.Waiting(), wanted::kAnswer);
  game.Said();
  game.played.Type("maybe\n", "");
  EXPECT_EQ(game.Said(), Text(message::kAnswerReminder));
  game.played.Type("undo\n", "");  // takes back the command under way, as the button does
  EXPECT_EQ(game.played.Waiting(), wanted::kCommand);
  EXPECT_EQ(game.played.Typing(), "");
  game.played.Type("talk Liam\n", "> ");
  game.Said();
  keep.full = true;
  game.played.Type(" B \n", "");
  EXPECT_EQ(game.played.Waiting(), wanted::kCommand);
  EXPECT_EQ(game.played.Typing(), "talk Liam\nb\n");
  const std::string said = game.Said();
  EXPECT_NE(said.find("cannot be kept"), std::string::npos);
  game.played.Type("i\n", "> ");
  EXPECT_EQ(game.Said().find("cannot be kept"), std::string::npos);

  // A save of other data, or none at all, begins a new game, and says so.
  memory_save other({.current = "fedcba9876543210"});
  other.text = keep.text;
  std::string notice;
  EXPECT_EQ(other.TakeUp(notice), "");
  EXPECT_EQ(notice, "The game has changed since yours was saved, so a new one begins.");
  EXPECT_FALSE(other.text.has_value());
}

// The transcript as the terminal writes it, in memory.
class memory_transcript : public transcript_store {
 public:
  std::string text;

 private:
  void Add(std::string_view more) override { text += more; }
  bool Keep(std::string& /*notice*/) override { return true; }
};

TEST(Session, WritesTheButtonsUndoAndTheStopInTheTranscriptAndKeepsAnOpenedSavesLines) {
  memory_save keep({.current = kOurs});
  memory_transcript record;
  string_output out;
  session played(out, {.typed = true,
                       .keep = &keep,
                       .record = &record,
                       .quitKept = "(kept)",
                       .stoppedKept = "(stopped, kept)"});
  string_output errors;
  ASSERT_TRUE(played.Start(FolderTexts(QUILLMORE_SHIPPED_DATA), errors));
  EXPECT_EQ(played.StoppedNow(), "");  // nothing typed: nothing to keep
  played.Undo("> ");
  EXPECT_NE(out.text.find(Text(message::kNothingToUndo)), std::string::npos);
  EXPECT_NE(record.text.find("> undo\n"), std::string::npos);
  played.Retype("s\n");
  EXPECT_EQ(played.Typing(), "s\n");
  EXPECT_EQ(played.StoppedNow(), "(stopped, kept)");
  out.text.clear();
  played.EndInput();
  EXPECT_TRUE(played.Over());
  EXPECT_EQ(out.text, "(stopped, kept)\n");
  EXPECT_EQ(played.StoppedNow(), "");  // over: nothing more to say

  // A game quit at its first command has nothing to keep, and says nothing of it.
  memory_save none({.current = kOurs});
  typed_game quitter(none);
  quitter.Start();
  quitter.played.Type("q\n", "> ");
  EXPECT_TRUE(quitter.played.Over());
  EXPECT_EQ(quitter.Said().find("(kept)"), std::string::npos);
  EXPECT_FALSE(none.text.has_value());
}

// The story kept beside a save in memory, as the page keeps it.
class memory_story : public whole_story {
 public:
  explicit memory_story(memory_save& save) : save(save) {}
  std::optional<std::string> text;

 private:
  std::optional<std::string> Stored() override { return text; }
  void Store(std::string_view kept) override { text = kept; }
  std::optional<std::string> Save() override { return save.text; }
  memory_save& save;
};

TEST(Session, WritesTheStoryWithItsTypedLinesMarkedAndItIsTakenUpOnlyWithItsSave) {
  memory_save keep({.current = kOurs});
  memory_story story(keep);
  string_output out;
  session played(out, {.typed = true, .keep = &keep, .record = &story});
  string_output errors;
  ASSERT_TRUE(played.Start(FolderTexts(QUILLMORE_SHIPPED_DATA), errors));
  const std::string opening = out.text;
  played.Type("look\n", whole_story::kPrompted);
  const std::string response = out.text.substr(opening.size());
  // The transcript is what the game showed, and each line typed after its prompt.
  EXPECT_EQ(story.Transcript(), opening + "> look\n" + response);
  // Taken up, marks and all, with the save it was kept with and only with it; what is added
  // after can be forgotten.
  memory_story again(keep);
  again.text = story.text;
  EXPECT_EQ(again.TakeUp(), opening + "\x1e> look\n" + response);
  again.Add("more");
  again.Forget();
  EXPECT_EQ(again.Transcript(), story.Transcript());
  keep.text = "another save";
  EXPECT_EQ(again.TakeUp(), "");
}

}  // namespace
}  // namespace quillmore
