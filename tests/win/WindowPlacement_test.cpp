// Centring windows over their reference, kept inside their bounds, moving one
// back inside the work area, and sizing a client area.
#include "ui/WindowPlacement.h"

#include <gtest/gtest.h>

#include "ControlHost.h"

namespace {

HWND popup(int x, int y, int w, int h, HWND owner = nullptr, DWORD style = WS_POPUP) {
  return CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", style, x, y, w, h, owner, nullptr, nullptr, nullptr);
}

TEST(CenterWindow, TopLevelWindowsAreCentredOverTheirOwnerWithinTheWorkArea) {
  const RECT work = workArea();
  const int midX = (work.left + work.right) / 2;
  const int midY = (work.top + work.bottom) / 2;
  struct Case {
    const char* name;
    RECT owner;  // left, top, right, bottom; empty: no owner
    bool ownerVisible;
    POINT expected;
  };
  const Case cases[] = {
      {"no owner: the work area", {}, false, {midX - 50, midY - 15}},
      {"visible owner", {100, 100, 300, 200}, true, {150, 135}},
      {"hidden owner: the work area", {100, 100, 300, 200}, false, {midX - 50, midY - 15}},
      {"owner at the left edge", {work.left, 300, work.left + 40, 340}, true, {work.left, 305}},
      {"owner at the bottom right", {work.right - 40, work.bottom - 10, work.right, work.bottom}, true,
       {work.right - 100, work.bottom - 30}},
  };
  for (const Case& c : cases) {
    HWND owner = nullptr;
    if (c.owner.right > c.owner.left) {
      owner = popup(c.owner.left, c.owner.top, c.owner.right - c.owner.left, c.owner.bottom - c.owner.top, nullptr,
                    WS_POPUP | (c.ownerVisible ? WS_VISIBLE : 0));
    }
    HWND window = popup(0, 0, 100, 30, owner);
    centerWindow(window);
    const POINT at = topLeft(window);
    EXPECT_EQ(at.x, c.expected.x) << c.name;
    EXPECT_EQ(at.y, c.expected.y) << c.name;
    DestroyWindow(window);
    if (owner) DestroyWindow(owner);
  }
}

TEST(CenterWindow, AChildIsCentredInItsParentsClientAreaOrOverASibling) {
  HWND parent = popup(0, 0, 200, 100);
  HWND child = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 40, 20, parent, nullptr, nullptr, nullptr);
  centerWindow(child);
  RECT r{};
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 80);
  EXPECT_EQ(r.top, 40);
  HWND sibling = CreateWindowExA(0, "STATIC", "", WS_CHILD, 100, 50, 60, 40, parent, nullptr, nullptr, nullptr);
  centerWindow(child, sibling);
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 110) << "over a sibling";
  EXPECT_EQ(r.top, 60);
  DestroyWindow(parent);
}

TEST(KeepInsideWorkArea, APartlyOutsideBarMovesInByTheShortestWayAndOneInsideStays) {
  const RECT work = workArea();
  struct Case {
    const char* name;
    POINT at;
    POINT expected;
  };
  const Case cases[] = {
      {"wholly inside", {work.left + 7, work.top + 9}, {work.left + 7, work.top + 9}},
      {"touching the bottom right corner", {work.right - 280, work.bottom - 34}, {work.right - 280, work.bottom - 34}},
      {"partly below", {work.left + 40, work.bottom - 10}, {work.left + 40, work.bottom - 34}},
      {"partly right", {work.right - 100, work.top + 50}, {work.right - 280, work.top + 50}},
      {"partly above and left", {work.left - 20, work.top - 5}, {work.left, work.top}},
  };
  for (const Case& c : cases) {
    HWND window = popup(c.at.x, c.at.y, 280, 34);
    keepInsideWorkArea(window);
    const POINT at = topLeft(window);
    EXPECT_EQ(at.x, c.expected.x) << c.name;
    EXPECT_EQ(at.y, c.expected.y) << c.name;
    DestroyWindow(window);
  }
}

TEST(ResizeClientArea, GivesTheClientTheSizeWhateverTheFrameAndKeepsThePlace) {
  for (DWORD style : {static_cast<DWORD>(WS_POPUP), static_cast<DWORD>(WS_POPUP | WS_BORDER | WS_CAPTION)}) {
    HWND window = popup(30, 40, 100, 100, nullptr, style);
    const POINT before = topLeft(window);
    resizeClientArea(window, 280, 34);
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 280) << style;
    EXPECT_EQ(client.bottom, 34) << style;
    EXPECT_EQ(topLeft(window).x, before.x);
    EXPECT_EQ(topLeft(window).y, before.y);
    DestroyWindow(window);
  }
}

}  // namespace
