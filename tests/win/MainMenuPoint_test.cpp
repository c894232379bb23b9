#include <gtest/gtest.h>

#include "ui/MainMenu.h"

namespace {

LPARAM screenPoint(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

}  // namespace

TEST(MainMenuTest, OpensAtThePointInsideTheClientAreaOrAtItsCornerForTheKeyboard) {
  HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 200, 150, 280, 34, nullptr, nullptr,
                                nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  struct Case {
    const char* what;
    LPARAM request;
    bool opens;
    POINT at;
  };
  const Case cases[] = {
      {"inside", screenPoint(250, 160), true, {250, 160}},
      {"top-left corner is inside", screenPoint(200, 150), true, {200, 150}},
      {"right edge is outside", screenPoint(480, 160), false, {}},
      {"bottom edge is outside", screenPoint(250, 184), false, {}},
      {"last pixel inside", screenPoint(479, 183), true, {479, 183}},
      {"left of the window", screenPoint(199, 160), false, {}},
      {"from the keyboard", screenPoint(-1, -1), true, {200, 150}},
      {"only one coordinate -1 is a point", screenPoint(-1, 160), false, {}},
  };
  for (const Case& c : cases) {
    POINT point = {};
    EXPECT_EQ(MainMenu::pointFor(window, c.request, point), c.opens) << c.what;
    if (c.opens) {
      EXPECT_EQ(point.x, c.at.x) << c.what;
      EXPECT_EQ(point.y, c.at.y) << c.what;
    }
  }
  DestroyWindow(window);
}
