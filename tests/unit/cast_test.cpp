// The story's table holds together: an edit to one person's entry that breaks what the runner or
// the story steps rely on fails here, before anyone plays.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "story/story.h"
#include "test_world.h"

namespace quillmore {
namespace {

// What a person says ends a line, so that the next text starts on a line of its own.
bool EndsALine(const char* text) {
  const std::string said(text);
  return said.empty() || said.back() == '\n';
}

TEST(Cast, EveryTextEndsItsLineAndEveryQuestionOffersAAndB) {
  for (const role& part : BuiltIn().cast) {
    for (const branch& taken : part.talk) {
      EXPECT_TRUE(EndsALine(taken.says)) << part.name;
      if (taken.asks == nullptr) {
        continue;
      }
      EXPECT_EQ(std::string(taken.asks->optionA).rfind("a) ", 0), 0u) << part.name;
      EXPECT_EQ(std::string(taken.asks->optionB).rfind("b) ", 0), 0u) << part.name;
      EXPECT_TRUE(EndsALine(taken.asks->a.says)) << part.name;
      EXPECT_TRUE(EndsALine(taken.asks->b.says)) << part.name;
    }
  }
}

TEST(Cast, EveryNameTheStoryUsesIsARole) {
  std::set<std::string> names;
  for (const role& part : BuiltIn().cast) {
    EXPECT_TRUE(names.insert(part.name).second) << part.name << " has two roles";
    EXPECT_EQ(BuiltIn().RoleOf(part.name), &part);
  }
  const auto isRole = [](const char* name) {
    return name == nullptr || BuiltIn().RoleOf(name) != nullptr;
  };
  for (const role& part : BuiltIn().cast) {
    EXPECT_TRUE(isRole(part.nextErrand)) << part.name;
    EXPECT_TRUE(isRole(part.before.who)) << part.name;
    for (const auto steps : {part.beforeTalk, part.afterTalk, part.afterGift}) {
      for (const story_step& step : steps) {
        EXPECT_TRUE(isRole(step.who)) << part.name;
        // Whoever the story brings in has a room to enter.
        if (step.what == effect::kBringIn) {
          ASSERT_NE(step.who, nullptr) << part.name;
          EXPECT_NE(BuiltIn().RoleOf(step.who)->standsIn, nullptr) << step.who;
        }
      }
    }
  }
}

TEST(Cast, OnlyTheWinnerIsOutOfSightAndEveryoneOutOfSightHasARoom) {
  int winners = 0;
  for (const role& part : BuiltIn().cast) {
    winners += part.winsGame ? 1 : 0;
    if (part.outOfSight) {
      EXPECT_NE(part.standsIn, nullptr) << part.name;
    }
  }
  EXPECT_EQ(winners, 1);
}

}  // namespace
}  // namespace quillmore
