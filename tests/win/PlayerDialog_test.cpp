// The bar itself, made from its template in a folder of its own: what it does
// with the wheel, a move to another resolution and a change of the screens.
#include "ui/PlayerDialog.h"

#include <gtest/gtest.h>

#include <string>

#include "ControlHost.h"
#include "NotifyWindow.h"
#include "TestFolder.h"

namespace {

class PlayerDialogTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(here.changed() && bar.create()); }

  std::string textOf(int controlId) const {
    char text[256] = {};
    GetWindowTextA(GetDlgItem(bar.window(), controlId), text, sizeof text);
    return text;
  }

  // The pixels the label's text changes, printed at the label's present size.
  int textPixels(int controlId, const std::string& text) {
    HWND label = GetDlgItem(bar.window(), controlId);
    RECT size{};
    GetClientRect(label, &size);
    Canvas withText(size.right, size.bottom);
    Canvas without(size.right, size.bottom);
    SetWindowTextA(label, text.c_str());
    SendMessageA(label, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(withText.dc), PRF_CLIENT);
    SetWindowTextA(label, "");
    SendMessageA(label, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(without.dc), PRF_CLIENT);
    int count = 0;
    for (int y = 0; y < size.bottom; ++y) {
      for (int x = 0; x < size.right; ++x) count += withText.at(x, y) != without.at(x, y);
    }
    return count;
  }

  TestFolder folder;
  test_files::CurrentFolder here{folder.path()};
  PlayerDialog bar;
};

TEST_F(PlayerDialogTest, TheVolumeStaysOverANewTrackNameUntilItsTimeIsUp) {
  const std::string before = textOf(IDC_TRACK_MENU);
  SendMessageA(bar.window(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  const std::string volume = textOf(IDC_TRACK_MENU);
  EXPECT_NE(volume, before);

  bar.setTrackLabelText("Next track");
  EXPECT_EQ(textOf(IDC_TRACK_MENU), volume);
  NotifyWindow::pumpUntil([&] { return textOf(IDC_TRACK_MENU) != volume; }, 10000);
  EXPECT_EQ(textOf(IDC_TRACK_MENU), "Next track");
}

TEST_F(PlayerDialogTest, BothLabelsWriteLargerOnAScreenOfTwiceTheResolution) {
  const int labels[] = {IDC_TRACK_MENU, IDC_GROUP_MENU};
  int usual[2];
  for (int i = 0; i < 2; ++i) usual[i] = textPixels(labels[i], "Group");

  const POINT at = topLeft(bar.window());
  RECT suggested{at.x, at.y, at.x + 560, at.y + 68};
  SendMessageA(bar.window(), wmDpiChanged, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
  RECT client{};
  GetClientRect(bar.window(), &client);
  EXPECT_EQ(client.right, 560);
  EXPECT_EQ(client.bottom, 68);
  for (int i = 0; i < 2; ++i) {
    EXPECT_GT(usual[i], 20) << labels[i];
    EXPECT_GT(textPixels(labels[i], "Group"), 2 * usual[i]) << labels[i];
  }
}

TEST_F(PlayerDialogTest, ABarPartlyOffComesBackOnlyWhenTheScreensChange) {
  const RECT work = workArea();
  struct Case {
    UINT message;
    WPARAM wParam;
    bool comesInside;
  };
  const Case cases[] = {
      {WM_SETTINGCHANGE, SPI_SETDESKWALLPAPER, false},
      {WM_SETTINGCHANGE, SPI_SETWORKAREA, true},
      {WM_DISPLAYCHANGE, 32, true},
  };
  for (const Case& c : cases) {
    SetWindowPos(bar.window(), nullptr, work.right - 100, work.top + 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageA(bar.window(), c.message, c.wParam, 0);
    EXPECT_EQ(topLeft(bar.window()).x, c.comesInside ? work.right - 280 : work.right - 100)
        << c.message << " " << c.wParam;
  }
}

}  // namespace
