// The skinned button on a real button control: clicks, keys, the image shown in
// each state, and its tool tip.
#include "ui/SkinButton.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ControlHost.h"

namespace {

// One solid colour per image: normal, pressed, hover, disabled.
const COLORREF imageColours[4] = {RGB(200, 0, 0), RGB(0, 200, 0), RGB(0, 0, 200), RGB(90, 90, 90)};

HIMAGELIST fourColourStrip(int size = 20) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = 4 * size;
  info.bmiHeader.biHeight = -size;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP strip = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  auto* pixels = static_cast<DWORD*>(bits);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < 4 * size; ++x) {
      const COLORREF c = imageColours[x / size];
      pixels[y * 4 * size + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }
  }
  HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR24, 4, 1);
  ImageList_Add(list, strip, nullptr);
  DeleteObject(strip);
  return list;
}

LPARAM point(int x, int y) { return MAKELPARAM(x, y); }

class SkinButtonTest : public testing::Test {
 protected:
  void SetUp() override {
    control = host.addButton(1001, ">");
    ASSERT_TRUE(button.attach(control));
    button.setImageList(fourColourStrip());
    button.setImages(0, 1, 2, 3);
    button.setStyle(SkinButton::hoverMode);
  }

  // Which image the button draws now: its index, or -1 for none of them.
  int shownImage() {
    Canvas canvas(20, 20);
    canvas.fill(RGB(255, 255, 255), 20, 20);
    SendMessageA(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc), PRF_CLIENT);
    for (int i = 0; i < 4; ++i) {
      if (canvas.at(10, 10) == imageColours[i]) return i;
    }
    return -1;
  }

  int clicks() const {
    int count = 0;
    for (const ReceivedCommand& c : host.commands) {
      if (c.id == 1001 && c.code == BN_CLICKED && c.control == control) ++count;
    }
    return count;
  }

  void send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) { SendMessageA(control, message, wParam, lParam); }

  ControlHost host;
  HWND control = nullptr;
  SkinButton button;
};

TEST_F(SkinButtonTest, TakesTheSizeOfOneImageAndBecomesOwnerDrawn) {
  RECT client{};
  GetClientRect(control, &client);
  EXPECT_EQ(client.right, 20);
  EXPECT_EQ(client.bottom, 20);
  EXPECT_EQ(GetWindowLongPtrA(control, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
}

TEST_F(SkinButtonTest, ClickComesOnReleaseInsideOnly) {
  struct Gesture {
    const char* name;
    std::vector<LPARAM> movesWhilePressed;
    LPARAM release;
    int clicks;
  };
  const Gesture gestures[] = {
      {"press and release inside", {}, point(5, 5), 1},
      {"leave and release outside", {point(60, 60)}, point(60, 60), 0},
      {"leave, come back, release inside", {point(60, 60), point(6, 6)}, point(6, 6), 1},
  };
  for (const Gesture& g : gestures) {
    host.commands.clear();
    send(WM_LBUTTONDOWN, MK_LBUTTON, point(5, 5));
    EXPECT_EQ(GetCapture(), control) << g.name;
    for (LPARAM move : g.movesWhilePressed) send(WM_MOUSEMOVE, MK_LBUTTON, move);
    send(WM_LBUTTONUP, 0, g.release);
    EXPECT_EQ(clicks(), g.clicks) << g.name;
    EXPECT_EQ(GetCapture(), nullptr) << g.name;
  }
}

TEST_F(SkinButtonTest, FastDoubleClickGivesTwoClicks) {
  send(WM_LBUTTONDOWN, MK_LBUTTON, point(5, 5));
  send(WM_LBUTTONUP, 0, point(5, 5));
  send(WM_LBUTTONDBLCLK, MK_LBUTTON, point(5, 5));
  send(WM_LBUTTONUP, 0, point(5, 5));
  EXPECT_EQ(clicks(), 2);
}

TEST_F(SkinButtonTest, SpaceIsIgnoredInHoverModeAndOtherwiseClicksAsTheMouseDoes) {
  SetFocus(control);
  send(WM_KEYDOWN, VK_SPACE);
  EXPECT_EQ(shownImage(), SkinButton::normal) << "space pressed the button";
  send(WM_KEYUP, VK_SPACE);
  EXPECT_EQ(clicks(), 0);

  button.setStyle(0);
  EXPECT_EQ(shownImage(), SkinButton::hover) << "without hover mode the focus shows";
  send(WM_KEYDOWN, VK_SPACE);
  EXPECT_EQ(shownImage(), SkinButton::pressedState);
  send(WM_KEYUP, VK_SPACE);
  EXPECT_EQ(clicks(), 1);
  send(WM_LBUTTONDOWN, MK_LBUTTON, point(5, 5));
  send(WM_LBUTTONUP, 0, point(5, 5));
  EXPECT_EQ(clicks(), 2);
  SetFocus(nullptr);
  EXPECT_EQ(shownImage(), SkinButton::normal);
}

TEST_F(SkinButtonTest, AClickInHoverModeLeavesTheFocusWhereItWas) {
  HWND other = host.addButton(1002, "other");
  SetFocus(other);
  send(WM_LBUTTONDOWN, MK_LBUTTON, point(5, 5));
  send(WM_LBUTTONUP, 0, point(5, 5));
  EXPECT_EQ(clicks(), 1);
  EXPECT_EQ(GetFocus(), other);
}

TEST_F(SkinButtonTest, ImagesFollowPressedThenHoverThenDisabled) {
  EXPECT_EQ(shownImage(), SkinButton::normal);
  send(WM_MOUSEMOVE, 0, point(5, 5));
  EXPECT_EQ(shownImage(), SkinButton::hover);
  EnableWindow(control, FALSE);
  EXPECT_EQ(shownImage(), SkinButton::hover) << "hover comes before disabled";
  send(WM_MOUSELEAVE);
  EXPECT_EQ(shownImage(), SkinButton::disabled);
  EnableWindow(control, TRUE);
  EXPECT_EQ(shownImage(), SkinButton::normal);
  send(WM_LBUTTONDOWN, MK_LBUTTON, point(5, 5));
  EXPECT_EQ(shownImage(), SkinButton::pressedState);
  ReleaseCapture();
  EXPECT_EQ(shownImage(), SkinButton::normal) << "losing the capture clears pressed";
}

TEST_F(SkinButtonTest, UnsetImagesFallBackToTheNormalOne) {
  button.setImages(0, -1, -1, -1);
  send(WM_LBUTTONDOWN, MK_LBUTTON, point(5, 5));
  EXPECT_EQ(shownImage(), SkinButton::normal);
  ReleaseCapture();
  EnableWindow(control, FALSE);
  EXPECT_EQ(shownImage(), SkinButton::normal);
}

TEST_F(SkinButtonTest, ANewImageListShowsAtTheNextPaintAndTheOldOneGoesBack) {
  HIMAGELIST second = fourColourStrip();
  HIMAGELIST first = button.setImageList(second);
  EXPECT_NE(first, nullptr);
  EXPECT_EQ(button.imageList(), second);
  send(WM_MOUSEMOVE, 0, point(5, 5));
  EXPECT_EQ(shownImage(), SkinButton::hover);
  ImageList_Destroy(first);
}

TEST_F(SkinButtonTest, OneToolTipWithTheTextSetLast) {
  ASSERT_TRUE(button.setToolTipText("play"));
  EXPECT_EQ(tipOf(control), nullptr) << "a tip window made before the pointer came";
  send(WM_MOUSEMOVE, 0, point(5, 5));
  HWND tip = tipOf(control);
  ASSERT_NE(tip, nullptr);
  EXPECT_EQ(tipText(tip, control), "play");
  ASSERT_TRUE(button.setToolTipText("stop"));
  EXPECT_EQ(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
  EXPECT_EQ(tipText(tip, control), "stop");
  DestroyWindow(control);
  EXPECT_FALSE(IsWindow(tip)) << "the tip outlived its button";
}

TEST(SkinButtonTip, ATextSetBeforeAttachingIsRegisteredAtAttach) {
  ControlHost host;
  HWND control = host.addButton(1003, ">>");

  SkinButton button;
  button.setToolTipText("next");
  ASSERT_TRUE(button.attach(control));
  SendMessageA(control, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  HWND tip = tipOf(control);
  ASSERT_NE(tip, nullptr);
  EXPECT_EQ(tipText(tip, control), "next");
}

}  // namespace
