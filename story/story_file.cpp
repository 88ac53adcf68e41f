#include <optional>

#include "story/story.h"
#include "world/story_lines.h"

namespace quillmore {

// story.txt is read in two passes: the lines into drafts that own their texts, then the drafts
// into the story's records, which point into the story's own storage.

namespace {

using enum quest_stage;
using enum gift_stage;

// A name and the line it was given on; not given while the line is 0.
struct named {
  std::string text;
  int line = 0;
};

struct draft_reply {
  std::string says;
  bool clearsGift = false;
  bool succeeds = false;
};

struct draft_question {
  named a;
  named b;
  named otherwise;
  draft_reply replyA;
  draft_reply replyB;
  int line = 0;
};

struct draft_branch {
  condition when;
  draft_reply said;
  std::optional<draft_question> asks;
  bool goesOn = false;
  int line = 0;
};

struct draft_step {
  effect what;
  named who;
  quest_stage quest = kIdle;
  gift_stage gift = kNone;
};

struct draft_role {
  named name;
  std::vector<draft_branch> talk;
  named guard;
  quest_stage guardIs = kDone;
  std::vector<draft_step> beforeTalk;
  std::vector<draft_step> afterTalk;
  std::vector<draft_step> afterGift;
  named handsOver;
  named wants;
  bool wantsOnceOpen = false;
  named nextErrand;
  named standsIn;
  std::optional<quest_stage> start;
  bool outOfSight = false;
  bool winsGame = false;
};

// After the object a person wants: he or she takes it only while the errand is open.
constexpr std::string_view kOnceOpen = ", once open";

std::optional<quest_stage> StageNamed(std::string_view word) {
  constexpr std::pair<std::string_view, quest_stage> kStages[] = {
      {"idle", kIdle}, {"open", kOpen}, {"waiting", kWaiting}, {"done", kDone}};
  for (const auto& [name, stage] : kStages) {
    if (word == name) {
      return stage;
    }
  }
  return std::nullopt;
}

std::optional<gift_stage> GiftNamed(std::string_view word) {
  constexpr std::pair<std::string_view, gift_stage> kStages[] = {
      {"none", kNone}, {"received", kReceived}, {"follow-up", kFollowUp}};
  for (const auto& [name, stage] : kStages) {
    if (word == name) {
      return stage;
    }
  }
  return std::nullopt;
}

// Splits `text` at every `separator`.
std::vector<std::string_view> Split(std::string_view text, std::string_view separator) {
  std::vector<std::string_view> parts;
  for (std::size_t at = text.find(separator); at != std::string_view::npos;
       at = text.find(separator)) {
    parts.push_back(text.substr(0, at));
    text.remove_prefix(at + separator.size());
  }
  parts.push_back(text);
  return parts;
}

class story_reader {
 public:
  story_reader(story& told, load_report& report) : told(told), report(report) {}

  void Read(const story_line& line) {
    number = line.number;
    if (line.isText) {
      ReadText(line.content);
    } else if (!ReadPart(line.content) && !ReadPersonLine(line.content) &&
               !ReadAfterSay(line.content) && !ReadStep(line.content) &&
               !ReadQuestionLine(line.content)) {
      Complain(story_fault::kUnknownLine, line.content);
    }
  }

  std::vector<draft_role>& Roles() { return roles; }

 private:
  void Complain(story_fault what, std::string_view text) {
    report.Add(data_file::kStory, number, what, text);
  }

  // Forgets where lines went: a new part of the file begins.
  void Begin(std::string* textGoesTo = nullptr) {
    text = textGoesTo;
    steps = nullptr;
    flagged = nullptr;
    branch = nullptr;
    asked = nullptr;
    inDrink = false;
  }

  void ReadText(std::string_view content) {
    if (text == nullptr) {
      Complain(story_fault::kStrayText, content);
      return;
    }
    text->append(content).push_back('\n');
  }

  // The parts of the file: the opening, the endings, a drink, a person.
  bool ReadPart(std::string_view rest) {
    if (rest == "opening" || rest == "ending" || rest == "every drink") {
      std::string& part = rest == "opening"  ? told.opening
                          : rest == "ending" ? told.ending
                                             : told.everyDrink;
      if (!part.empty()) {
        Complain(story_fault::kTwice, rest);
      }
      Begin(&part);
      person = nullptr;
    } else if (TakeKeyword(rest, "drink") && !rest.empty()) {
      Begin();
      person = nullptr;
      told.drinks.push_back({std::string(rest), "", number});
      inDrink = true;
    } else if (inDrink && TakeKeyword(rest, "from") && !rest.empty()) {
      told.drinks.back().from = rest;
      inDrink = false;
    } else if (TakeKeyword(rest, "person") && !rest.empty()) {
      Begin();
      for (const draft_role& other : roles) {
        if (other.name.text == rest) {
          Complain(story_fault::kTwice, rest);
        }
      }
      person = &roles.emplace_back();
      person->name = {std::string(rest), number};
    } else {
      return false;
    }
    return true;
  }

  // What a person is, when the steps are taken, and what he or she says.
  bool ReadPersonLine(std::string_view rest) {
    if (person == nullptr) {
      return false;
    }
    if (TakeKeyword(rest, "say")) {
      Begin();
      ReadSay(rest);
    } else if (TakeKeyword(rest, "starts")) {
      Begin();
      person->start = Stage(rest);
    } else if (TakeKeyword(rest, "stands in")) {
      Once(person->standsIn, rest);
    } else if (rest == "out of sight") {
      Begin();
      person->outOfSight = true;
    } else if (TakeKeyword(rest, "wants")) {
      person->wantsOnceOpen = rest.ends_with(kOnceOpen);
      Once(person->wants,
           rest.substr(0, rest.size() - (person->wantsOnceOpen ? kOnceOpen.size() : 0)));
    } else if (TakeKeyword(rest, "hands over")) {
      Once(person->handsOver, rest);
    } else if (TakeKeyword(rest, "next errand")) {
      Once(person->nextErrand, rest);
    } else if (rest == "wins the game") {
      Begin();
      person->winsGame = true;
    } else if (TakeKeyword(rest, "before talk")) {
      Begin();
      steps = &person->beforeTalk;
      ReadGuard(rest);
    } else if (rest == "after talk" || rest == "after gift") {
      Begin();
      steps = rest == "after talk" ? &person->afterTalk : &person->afterGift;
    } else {
      return false;
    }
    return true;
  }

  void Once(named& field, std::string_view rest) {
    Begin();
    if (field.line != 0) {
      Complain(story_fault::kTwice, field.text);
    }
    field = {std::string(rest), number};
  }

  quest_stage Stage(std::string_view word) {
    const std::optional<quest_stage> stage = StageNamed(word);
    if (!stage) {
      Complain(story_fault::kNoStage, word);
    }
    return stage.value_or(kIdle);
  }

  gift_stage Gift(std::string_view word) {
    const std::optional<gift_stage> stage = GiftNamed(word);
    if (!stage) {
      Complain(story_fault::kNoStage, word);
    }
    return stage.value_or(kNone);
  }

  // "once PERSON is STAGE", or nothing.
  void ReadGuard(std::string_view rest) {
    if (rest.empty()) {
      return;
    }
    std::string_view guard = rest;
    if (!TakeKeyword(guard, "once") || guard.rfind(" is ") == std::string_view::npos) {
      Complain(story_fault::kUnknownLine, rest);
      return;
    }
    const std::size_t at = guard.rfind(" is ");
    person->guard = {std::string(guard.substr(0, at)), number};
    person->guardIs = Stage(guard.substr(at + 4));
  }

  // "when gift STAGE", "when STAGE or STAGE", both joined by "and", or nothing.
  void ReadSay(std::string_view rest) {
    branch = &person->talk.emplace_back();
    branch->line = number;
    text = &branch->said.says;
    flagged = &branch->said;
    if (rest.empty()) {
      return;
    }
    if (!TakeKeyword(rest, "when")) {
      Complain(story_fault::kUnknownLine, rest);
      return;
    }
    for (std::string_view part : Split(rest, " and ")) {
      if (TakeKeyword(part, "gift")) {
        branch->when.gift = Gift(part);
        continue;
      }
      for (const std::string_view word : Split(part, " or ")) {
        branch->when.quest.Add(Stage(word));
      }
    }
  }

  // What follows the text of a say or an answer.
  bool ReadAfterSay(std::string_view rest) {
    if (flagged != nullptr && rest == "clears gift") {
      flagged->clearsGift = true;
    } else if (flagged != nullptr && rest == "moves the story on") {
      flagged->succeeds = true;
    } else if (branch != nullptr && asked == nullptr && rest == "and go on") {
      branch->goesOn = true;
    } else if (branch != nullptr && asked == nullptr && rest == "ask") {
      branch->asks.emplace().line = number;
      asked = &*branch->asks;
      text = nullptr;
      flagged = nullptr;
    } else {
      return false;
    }
    return true;
  }

  // The lines of a question.
  bool ReadQuestionLine(std::string_view rest) {
    if (asked == nullptr) {
      return false;
    }
    if (rest.starts_with("a)") || rest.starts_with("b)")) {
      text = nullptr;
      flagged = nullptr;
      named& option = rest[0] == 'a' ? asked->a : asked->b;
      option = {std::string(rest), number};
    } else if (TakeKeyword(rest, "otherwise")) {
      text = nullptr;
      flagged = nullptr;
      asked->otherwise = {std::string(rest), number};
    } else if (rest == "answer a" || rest == "answer b") {
      flagged = rest == "answer a" ? &asked->replyA : &asked->replyB;
      text = &flagged->says;
    } else {
      return false;
    }
    return true;
  }

  // One step: finish errand, errand becomes, gift becomes, bring in.
  bool ReadStep(std::string_view rest) {
    if (steps == nullptr) {
      return false;
    }
    draft_step step{.what = effect::kFinishErrand, .who = {}};
    if (TakeKeyword(rest, "finish errand")) {
      step.who = Whom(rest);
    } else if (TakeKeyword(rest, "bring in") && !rest.empty()) {
      step.what = effect::kBringIn;
      step.who = {std::string(rest), number};
    } else if (TakeKeyword(rest, "errand")) {
      step.what = effect::kSetQuest;
      step.quest = Stage(Becomes(rest, step.who));
    } else if (TakeKeyword(rest, "gift")) {
      step.what = effect::kSetGift;
      step.gift = Gift(Becomes(rest, step.who));
    } else {
      return false;
    }
    steps->push_back(step);
    return true;
  }

  // "of PERSON", or nothing for the person whose entry it is.
  named Whom(std::string_view rest) {
    if (rest.empty()) {
      return {};
    }
    std::string_view whom = rest;
    if (!TakeKeyword(whom, "of") || whom.empty()) {
      Complain(story_fault::kUnknownLine, rest);
      return {};
    }
    return {std::string(whom), number};
  }

  // "[of PERSON] becomes STAGE": the stage's word, and the person in `who`.
  std::string_view Becomes(std::string_view rest, named& who) {
    if (std::string_view stage = rest; TakeKeyword(stage, "becomes")) {
      return stage;
    }
    const std::size_t at = rest.rfind(" becomes ");
    if (at == std::string_view::npos) {
      Complain(story_fault::kUnknownLine, rest);
      return "idle";
    }
    who = Whom(rest.substr(0, at));
    return rest.substr(at + 9);
  }

  story& told;
  load_report& report;
  std::vector<draft_role> roles;
  int number = 0;
  draft_role* person = nullptr;
  std::string* text = nullptr;
  std::vector<draft_step>* steps = nullptr;
  draft_reply* flagged = nullptr;
  draft_branch* branch = nullptr;
  draft_question* asked = nullptr;
  bool inDrink = false;
};

// Turns the drafts into the story's records.
class story_maker {
 public:
  story_maker(story& told, load_report& report) : told(told), report(report) {}

  void Make(std::vector<draft_role>& roles) {
    told.cast.reserve(roles.size());
    for (draft_role& draft : roles) {
      told.cast.push_back(Made(draft));
    }
    for (const drink& counted : told.drinks) {
      told.names.push_back({name_kind::kObject, counted.name, counted.line});
      if (!counted.from.empty()) {
        told.names.push_back({name_kind::kPlace, counted.from, counted.line + 1});
      }
    }
  }

 private:
  const char* Kept(std::string text) { return told.texts.emplace_back(std::move(text)).c_str(); }

  // The name's text, kept, and its use noted; none when it was not given.
  const char* Used(const named& name, name_kind kind) {
    if (name.line == 0) {
      return nullptr;
    }
    told.names.push_back({kind, name.text, name.line});
    return Kept(name.text);
  }

  role Made(const draft_role& draft) {
    role made;
    made.name = Used(draft.name, name_kind::kWholePerson);
    made.line = draft.name.line;
    made.talk = Talk(draft.talk);
    made.before = {Used(draft.guard, name_kind::kPerson), draft.guardIs};
    made.beforeTalk = Steps(draft.beforeTalk);
    made.handsOver = Used(draft.handsOver, name_kind::kObject);
    made.afterTalk = Steps(draft.afterTalk);
    made.wants = Used(draft.wants, name_kind::kWholeObject);
    made.wantsOnceOpen = draft.wantsOnceOpen;
    made.afterGift = Steps(draft.afterGift);
    made.nextErrand = Used(draft.nextErrand, name_kind::kPerson);
    made.standsIn = Used(draft.standsIn, name_kind::kPlace);
    made.startStage = draft.start.value_or(kIdle);
    made.outOfSight = draft.outOfSight;
    made.winsGame = draft.winsGame;
    return made;
  }

  conversation Talk(const std::vector<draft_branch>& drafts) {
    std::vector<branch>& talk = told.talks.emplace_back();
    for (const draft_branch& draft : drafts) {
      talk.push_back({.when = draft.when,
                      .says = Kept(draft.said.says),
                      .clearsGift = draft.said.clearsGift,
                      .succeeds = draft.said.succeeds,
                      .asks = draft.asks ? Asked(*draft.asks) : nullptr,
                      .goesOn = draft.goesOn,
                      .line = draft.line});
    }
    return talk;
  }

  const question* Asked(const draft_question& draft) {
    for (const auto& [part, word] : {std::pair{&draft.a, "a)"}, std::pair{&draft.b, "b)"},
                                     std::pair{&draft.otherwise, "otherwise"}}) {
      if (part->line == 0) {
        report.Add(data_file::kStory, draft.line, story_fault::kHalfQuestion, word);
      }
    }
    return &told.questions.emplace_back(
        question{Kept(draft.a.text),
                 Kept(draft.b.text),
                 Kept(draft.otherwise.text),
                 {Kept(draft.replyA.says), draft.replyA.clearsGift, draft.replyA.succeeds},
                 {Kept(draft.replyB.says), draft.replyB.clearsGift, draft.replyB.succeeds}});
  }

  std::span<const story_step> Steps(const std::vector<draft_step>& drafts) {
    std::vector<story_step>& steps = told.steps.emplace_back();
    for (const draft_step& draft : drafts) {
      steps.push_back({draft.what, Used(draft.who, name_kind::kPerson), draft.quest, draft.gift});
      if (draft.what == effect::kBringIn) {
        told.names.push_back({name_kind::kBroughtIn, draft.who.text, draft.who.line});
      }
    }
    return steps;
  }

  story& told;
  load_report& report;
};

}  // namespace

void ReadStory(std::string_view text, story& into, load_report& report) {
  story_reader reader(into, report);
  for (const story_line& line : StoryLines(text)) {
    reader.Read(line);
  }
  story_maker(into, report).Make(reader.Roles());
}

}  // namespace quillmore
