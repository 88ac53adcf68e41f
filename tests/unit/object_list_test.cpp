#include "world/object_list.h"

#include <gtest/gtest.h>

#include <sstream>

#include "test_world.h"
#include "world/data_reader.h"

namespace quillmore {
namespace {

// Three objects named by the texts, read the way the objects file gives them.
struct three_objects {
  three_objects(const char* first, const char* second, const char* third) {
    std::istringstream text(std::string(first) + "\nd\n" + second + "\nd\n" + third + "\nd");
    data_reader in(text);
    for (object& item : items) {
      item.Read(in);
    }
  }
  object items[3];
};

TEST(ObjectList, GrowsAtTheFrontSoItRunsNewestFirst) {
  three_objects objects("P", "Q", "R");
  object* head = nullptr;
  for (object& item : objects.items) {
    PushObject(head, item);
  }
  EXPECT_EQ(Names(head), (std::vector<std::string>{"R", "Q", "P"}));
  string_console printed;
  PrintObjectNames(head, printed.io);
  EXPECT_EQ(printed.Written(), "R, Q, P");
}

TEST(ObjectList, UnlinksTheFirstMatchFromAnyPlace) {
  three_objects objects("pint of Beamish", "photos", "pint of Murphy's");
  object* head = nullptr;
  for (object& item : objects.items) {
    PushObject(head, item);
  }
  EXPECT_EQ(UnlinkObject(head, "photo"), &objects.items[1]);
  EXPECT_EQ(Names(head), (std::vector<std::string>{"pint of Murphy's", "pint of Beamish"}));
  EXPECT_EQ(UnlinkObject(head, "pint"), &objects.items[2]);
  EXPECT_EQ(UnlinkObject(head, "nothing like it"), nullptr);
  EXPECT_EQ(UnlinkObject(head, "pint"), &objects.items[0]);
  EXPECT_EQ(head, nullptr);
}

TEST(ObjectList, MatchesByCaseSensitiveContainment) {
  three_objects objects("photo slip", "english coins", "Park bench");
  object* head = nullptr;
  for (object& item : objects.items) {
    PushObject(head, item);
  }
  EXPECT_EQ(FindObjectIn(head, ""), head);
  EXPECT_EQ(FindObjectIn(head, "Park"), &objects.items[2]);
  EXPECT_EQ(FindObjectIn(head, "park"), nullptr);
  EXPECT_EQ(FindObjectIn(head, "slip"), &objects.items[0]);
  EXPECT_EQ(Names(head).size(), 3U);  // finding leaves the list as it was
}

}  // namespace
}  // namespace quillmore
