// The bar's places at every resolution: each edge scaled with the one rounding.
#include "ui/BarLayout.h"

#include <gtest/gtest.h>

#include "resources/resource.h"
#include "ui/DisplayScale.h"

namespace {

TEST(BarLayout, ScalesEveryEdgeWithHalvesRoundedUp) {
  struct Case {
    UINT dpi;
    SIZE bar;
    RECT trackLabel;
  };
  const Case cases[] = {
      {96, {280, 34}, {110, 8, 185, 28}},   {120, {350, 43}, {138, 10, 231, 35}},
      {144, {420, 51}, {165, 12, 278, 42}}, {168, {490, 60}, {193, 14, 324, 49}},
      {192, {560, 68}, {220, 16, 370, 56}}, {106, {309, 38}, {121, 9, 204, 31}},
  };
  for (const Case& c : cases) {
    const SIZE bar = BarLayout::barSize(c.dpi);
    EXPECT_EQ(bar.cx, c.bar.cx) << c.dpi;
    EXPECT_EQ(bar.cy, c.bar.cy) << c.dpi;
    const RECT label = BarLayout::areaOf(IDC_TRACK_MENU, c.dpi);
    EXPECT_EQ(label.left, c.trackLabel.left) << c.dpi;
    EXPECT_EQ(label.top, c.trackLabel.top) << c.dpi;
    EXPECT_EQ(label.right, c.trackLabel.right) << c.dpi;
    EXPECT_EQ(label.bottom, c.trackLabel.bottom) << c.dpi;
  }
}

TEST(BarLayout, NeighboursNeitherOverlapNorLeaveTheBarAtAnyResolution) {
  // From 100 %, the least scale Windows offers, to 500 %.
  for (UINT dpi = 96; dpi <= 480; ++dpi) {
    const SIZE bar = BarLayout::barSize(dpi);
    for (std::size_t i = 0; i < BarLayout::places.size(); ++i) {
      const BarLayout::Place& place = BarLayout::places[i];
      const RECT area = BarLayout::areaOf(place.controlId, dpi);
      EXPECT_TRUE(area.left >= 0 && area.top >= 0 && area.right <= bar.cx && area.bottom <= bar.cy) << dpi;
      if (i + 1 == BarLayout::places.size()) continue;
      const BarLayout::Place& next = BarLayout::places[i + 1];
      const RECT following = BarLayout::areaOf(next.controlId, dpi);
      // Touching at 100 % stays touching, apart stays apart.
      EXPECT_EQ(area.right == following.left, place.area.right == next.area.left) << dpi << " " << place.controlId;
      EXPECT_LE(area.right, following.left) << dpi << " " << place.controlId;
    }
  }
}

TEST(BarLayout, PlacesAndSizesTheControlsOfADialog) {
  HWND dialog = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 600, 100, nullptr, nullptr, nullptr, nullptr);
  HWND cue = CreateWindowExA(0, "BUTTON", "", WS_CHILD, 0, 0, 5, 5, dialog,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_CUE)), nullptr, nullptr);
  BarLayout::placeControls(dialog, 144);
  RECT placed{};
  GetWindowRect(cue, &placed);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&placed), 2);
  EXPECT_EQ(placed.left, 315);
  EXPECT_EQ(placed.top, 12);
  EXPECT_EQ(placed.right - placed.left, 30);
  EXPECT_EQ(placed.bottom - placed.top, 30);
  DestroyWindow(dialog);
}

TEST(DisplayScale, TellsAWindowsResolution) {
  HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  HDC screen = GetDC(nullptr);
  EXPECT_EQ(DisplayScale::ofWindow(window), static_cast<UINT>(GetDeviceCaps(screen, LOGPIXELSX)));
  ReleaseDC(nullptr, screen);
  DestroyWindow(window);
}

}  // namespace
