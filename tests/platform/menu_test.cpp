#include <gtest/gtest.h>

#include "platform/menu.h"

using namespace platform;

namespace {

resources::MenuTemplate SampleMenu() {
  resources::ResourceScript parsed;
  resources::ParseResourceScript(R"(MENU M
  POPUP "&File"
    ITEM 10 "&Open"
    SEPARATOR
    ITEM 11 "&Save"
  END
  POPUP "&View"
    ITEM 20 "&Grid"
    POPUP "&Zoom"
      ITEM 21 "in"
      ITEM 22 "out"
    END
  END
END
)",
                      "m.rc", parsed);
  return parsed.menus.at("M");
}

}  // namespace

TEST(Menu, EditsByCommandId) {
  Menu menu(SampleMenu());
  const auto start = menu.revision();
  EXPECT_TRUE(menu.Check(20, true));
  EXPECT_TRUE(menu.IsChecked(20));
  EXPECT_TRUE(menu.Enable(22, false));
  EXPECT_FALSE(menu.IsEnabled(22));
  EXPECT_TRUE(menu.SetText(10, "&Open ..."));
  EXPECT_EQ(menu.Find(10)->text, "&Open ...");
  EXPECT_TRUE(menu.Remove(21));
  EXPECT_EQ(menu.Find(21), nullptr);
  EXPECT_FALSE(menu.Remove(21));
  EXPECT_FALSE(menu.Check(99, true));
  EXPECT_GT(menu.revision(), start);
  EXPECT_EQ(menu.CommandIds(), (std::vector<int>{10, 11, 20, 22}));
}

TEST(Menu, EditsByPositionKeepSeparatorsInTheCount) {
  Menu menu(SampleMenu());
  ASSERT_NE(menu.ItemAt({0, 2}), nullptr);
  EXPECT_EQ(menu.ItemAt({0, 2})->id, 11);  // the separator is position 1
  EXPECT_EQ(menu.ItemAt({0, 1})->kind, resources::MenuItem::Kind::Separator);
  EXPECT_TRUE(menu.RemoveAt({0, 1}));
  EXPECT_EQ(menu.ItemAt({0, 1})->id, 11);
  EXPECT_EQ(menu.ItemAt({1, 1, 0})->id, 21);
  EXPECT_TRUE(menu.SetTextAt({1}, "&Show"));
  EXPECT_EQ(menu.ItemAt({1})->text, "&Show");
  EXPECT_TRUE(menu.Append({1, 1}, resources::MenuItem{resources::MenuItem::Kind::Command, 23, "fit", false, true, {}}));
  EXPECT_EQ(menu.ItemAt({1, 1, 2})->id, 23);
  // Positions that do not exist, or walk into a command, change nothing.
  EXPECT_EQ(menu.ItemAt({5}), nullptr);
  EXPECT_EQ(menu.ItemAt({0, 0, 0}), nullptr);
  EXPECT_FALSE(menu.RemoveAt({1, 7}));
  EXPECT_FALSE(menu.Append({0, 0}, resources::MenuItem{}));
}
