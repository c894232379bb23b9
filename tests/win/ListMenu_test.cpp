#include "ui/ListMenu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/resource.h"
#include "ProcessText.h"

namespace {

std::vector<std::string> numbered(std::size_t count) {
  std::vector<std::string> entries;
  for (std::size_t i = 0; i < count; ++i) entries.push_back("entry " + std::to_string(i));
  return entries;
}

std::string itemText(HMENU menu, int position) {
  char text[512] = {};
  GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
  return text;
}

}  // namespace

TEST(ListMenuTest, ItemsFollowTheEntriesWithTheDynamicIdentifiersUpToTheLastOne) {
  struct Case {
    std::size_t entries;
    int items;
  };
  const Case cases[] = {{0, 0}, {1, 1}, {3, 3}, {10001, 10001}, {10002, 10001}, {12000, 10001}};
  for (const Case& c : cases) {
    const std::vector<std::string> entries = numbered(c.entries);
    HMENU menu = ListMenu::build(entries);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(GetMenuItemCount(menu), c.items) << c.entries;
    for (int position : {0, c.items / 2, c.items - 1}) {
      if (position < 0 || position >= c.items) continue;
      EXPECT_EQ(GetMenuItemID(menu, position), static_cast<UINT>(ID_DYNAMIC_FIRST + position)) << c.entries;
      EXPECT_EQ(itemText(menu, position), entries[static_cast<std::size_t>(position)]) << c.entries;
      EXPECT_EQ(GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION) & (MF_CHECKED | MF_GRAYED), 0u);
    }
    if (c.items > 0) {
      EXPECT_LE(GetMenuItemID(menu, c.items - 1), static_cast<UINT>(ID_DYNAMIC_LAST)) << "every item can be chosen";
    }
    DestroyMenu(menu);
  }
}

TEST(ListMenuTest, EntriesShowAsTheyAreHeld) {
  const std::vector<std::string> entries = {"Z:\\music\\Rock & Roll\\a.wav", processText("表ソ"), "&"};
  HMENU menu = ListMenu::build(entries);
  ASSERT_EQ(GetMenuItemCount(menu), 3);
  // The stored text doubles "&" so that the menu draws the name, not an access key.
  EXPECT_EQ(itemText(menu, 0), "Z:\\music\\Rock && Roll\\a.wav");
  EXPECT_EQ(itemText(menu, 1), processText("表ソ"));
  EXPECT_EQ(itemText(menu, 2), "&&");
  DestroyMenu(menu);
}
