#include "game/game.h"

#include <algorithm>

#include "console/console.h"
#include "game/command_loop.h"
#include "game/completion.h"
#include "game/data_files.h"
#include "game/end_of_game.h"
#include "game/narration.h"
#include "game/opening.h"
#include "game/options.h"
#include "game/story_problems.h"
#include "story/built_in_story.h"
#include "story/story.h"
#include "world/map_file.h"
#include "world/world.h"

namespace quillmore {

static_assert(kPlay != kExitPlayed && kPlay != kExitBadData,
              "kPlay is no status a game exits with");

namespace {

// The text of the folder's own map.txt or story.txt, or the built-in one when it has none.
std::string_view StoryText(const data_text& file, data_file which, std::string_view builtIn,
                           load_report& report) {
  if (file.Missing()) {
    return builtIn;
  }
  if (!file.Read()) {
    report.Add(which, 0, story_fault::kUnreadable, "");
  }
  return file.text;
}

}  // namespace

std::shared_ptr<story> ReadStoryFiles(const data_texts& data, load_report& report) {
  auto told = std::make_shared<story>();
  const data_text& map = data.Of(data_file::kMap);
  const data_text& tale = data.Of(data_file::kStory);
  told->ownMap = !map.Missing();
  told->ownStory = !tale.Missing();
  told->map = ReadMap(StoryText(map, data_file::kMap, kBuiltInMap, report), report);
  ReadStory(StoryText(tale, data_file::kStory, kBuiltInStory, report), *told, report);
  return told;
}

namespace {

// A file that could not be read loads as none, which the loaders report.
file_contents Text(const data_text& file) {
  return file.Read() ? file_contents(file.text) : std::nullopt;
}

bool LoadRecords(world& game, const data_texts& data, const story& told, load_report& report) {
  const file_contents rooms = Text(data.Of(data_file::kRooms));
  const file_contents people = Text(data.Of(data_file::kPeople));
  const file_contents objects = Text(data.Of(data_file::kObjects));
  if (!game.LoadRooms(rooms, report, told.map.start)) {
    // A folder's own map names its start place on a line of its own.
    if (told.ownMap && !report.problems.empty() &&
        report.problems.back().what == problem::kNoStartRoom) {
      report.problems.pop_back();
      report.Add(data_file::kMap, told.map.startLine, story_fault::kUnknownPlace, told.map.start);
    }
    return false;
  }
  const auto entranceOf = [&told](std::string_view name) { return EntranceOf(told, name); };
  return game.LoadPeople(people, report, entranceOf) && game.LoadObjects(objects, report);
}

}  // namespace

bool LoadWorld(world& game, const data_texts& data, load_report& report) {
  const std::shared_ptr<story> told = ReadStoryFiles(data, report);
  if (!report.storyProblems.empty()) {
    return false;
  }
  const bool loaded = LoadRecords(game, data, *told, report);
  if (loaded) {
    game.BuildMap(told->map, report, told->ownMap);
  }
  if (loaded && told->ownStory) {
    CheckStoryNames(game, *told, report);
  }
  // The first problem is the first in the files' order.
  std::stable_sort(report.storyProblems.begin(), report.storyProblems.end(),
                   [](const story_problem& a, const story_problem& b) {
                     return a.file != b.file ? a.file < b.file : a.line < b.line;
                   });
  game.Tell(told);
  return loaded && report.storyProblems.empty();
}

int PlayGame(console& io, const data_texts& data, output& errors) {
  world game;
  if (!LoadAndSay(game, io, data, errors)) {
    return kExitBadData;
  }
  task<int> played = Play(game, io);
  played.Start();
  io.PlayOut();
  return played.Result();
}

int PlayGame(console& io, const data_texts& data, std::ostream& errors) {
  stream_output to(errors);
  return PlayGame(io, data, to);
}

bool LoadAndSay(world& game, console& io, const data_texts& data, output& errors) {
  load_report report;
  const bool loaded = LoadWorld(game, data, report);
  if (!report.storyProblems.empty()) {
    errors.Write(StoryProblemLine(report.storyProblems.front()) + '\n');
    return false;
  }
  for (const load_problem& found : report.problems) {
    Say(io, MessageFor(found));
  }
  return loaded;
}

task<int> Play(world& game, console& io) {
  // A continued game shows where the player stands once it has caught up with his typing.
  io.OnCaughtUp([&game, &io] { DescribeRoom(io, game, game.CurrentRoom()); });
  io.OnComplete([&game](wanted what, std::string_view line) { return Complete(game, what, line); });
  WriteOpening(io, game.Story()->opening);
  DescribeRoom(io, game, game.CurrentRoom());
  command_loop commands(game, io);
  const command_loop::report end = co_await commands.Run();
  if (end != command_loop::report::kInputEnded) {
    io.GameOver(end == command_loop::report::kWon ? ending::kWon : ending::kQuit);
  }
  if (end == command_loop::report::kWon) {
    [[maybe_unused]] const bool keyed = co_await EndWonGame(game, io);
  }
  co_return kExitPlayed;
}

}  // namespace quillmore
