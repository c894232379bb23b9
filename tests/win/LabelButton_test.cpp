// The label button drawn on the reflected owner-draw notification, and the
// reflection that brings notifications back to the control they concern.
#include "ui/LabelButton.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

#include "ControlHost.h"
#include "resources/resource.h"
#include "ui/Reflection.h"

namespace {

const COLORREF backgroundColour = RGB(10, 20, 30);
const COLORREF white = RGB(255, 255, 255);

class LabelButtonTest : public testing::Test {
 protected:
  void SetUp() override {
    control = host.addButton(1005, "", BS_OWNERDRAW);
    SetWindowPos(control, nullptr, 0, 0, 75, 20, SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_TRUE(label.attach(control));
    Canvas picture(75, 20);
    picture.fill(backgroundColour, 75, 20);
    bitmap = static_cast<HBITMAP>(CopyImage(picture.bitmap, IMAGE_BITMAP, 0, 0, 0));
    label.setBitmap(bitmap);
    label.setTextColor(white);
  }
  void TearDown() override { DeleteObject(bitmap); }

  // Prints the label into a canvas; counts the pixels in the label's text colour.
  int whitePixels(Canvas& canvas) {
    canvas.fill(RGB(255, 0, 255), 75, 20);
    SendMessageA(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc), PRF_CLIENT);
    int count = 0;
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 75; ++x) count += canvas.at(x, y) == white;
    }
    return count;
  }

  // The pixels of the text drawn as it stands, in the font, where the label draws it.
  static int referencePixels(HFONT font, const wchar_t* text) {
    Canvas reference(75, 20);
    reference.fill(RGB(255, 0, 255), 75, 20);
    HGDIOBJ previous = SelectObject(reference.dc, font);
    SetTextColor(reference.dc, white);
    SetBkMode(reference.dc, TRANSPARENT);
    RECT area{0, -1, 75, 19};
    DrawTextW(reference.dc, text, -1, &area, DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX);
    SelectObject(reference.dc, previous);
    int count = 0;
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 75; ++x) count += reference.at(x, y) == white;
    }
    return count;
  }

  ControlHost host;
  HWND control = nullptr;
  LabelButton label;
  HBITMAP bitmap = nullptr;
};

TEST_F(LabelButtonTest, DrawsItsBitmapThenItsTextInItsColour) {
  Canvas canvas(75, 20);
  EXPECT_EQ(whitePixels(canvas), 0) << "an empty text draws the bitmap only";
  EXPECT_EQ(canvas.at(0, 0), backgroundColour);
  EXPECT_EQ(canvas.at(74, 19), backgroundColour);

  SetWindowTextA(control, "abc");
  EXPECT_GT(whitePixels(canvas), 10);
  EXPECT_EQ(canvas.at(0, 0), backgroundColour) << "a short text stays in the middle";
}

TEST_F(LabelButtonTest, DrawsAnAmpersandAsItStands) {
  // As a mnemonic prefix a lone "&" would draw nothing and "&&" one "&"; drawn
  // twice, either would show more than the name holds.
  // The label asks for its font with the Japanese character set: so does the reference.
  HFONT font = CreateFontW(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0, L"Tahoma");
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  Canvas canvas(75, 20);
  for (const wchar_t* name : {L"a&b", L"&&", L"&"}) {
    label.setText(std::string(name, name + wcslen(name)));
    const int reference = referencePixels(font, name);
    EXPECT_GT(reference, 0);
    EXPECT_EQ(whitePixels(canvas), reference) << static_cast<int>(wcslen(name));
  }
  DeleteObject(font);
}

TEST_F(LabelButtonTest, DrawsANameWholeInTheDialogsJapaneseFontWhateverTheProcesssCodePage) {
  // The dialog font's character set is Japanese; the name is in the process's
  // code page, which may be UTF-8. It must look as the same name drawn in UTF-16.
  HFONT font = CreateFontW(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0,
                           L"\xFF2D\xFF33 \xFF30\x30B4\x30B7\x30C3\x30AF");
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  const wchar_t name[] = L"\x30C7\x30D5\x30A9\x30EB\x30C8 na\x00EFve";
  SetWindowTextW(control, name);
  Canvas drawn(75, 20);
  const int labelPixels = whitePixels(drawn);

  const int reference = referencePixels(font, name);
  DeleteObject(font);
  EXPECT_GT(reference, 10);
  EXPECT_EQ(labelPixels, reference);
}

// The track label of the bar's own template, in the font the dialog manager gives it.
class BarLabel {
 public:
  BarLabel() {
    dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_PLAYER), nullptr, &procedure, 0);
    control = GetDlgItem(dialog, IDC_TRACK_MENU);
    SetWindowPos(control, nullptr, 0, 0, 75, 20, SWP_NOMOVE | SWP_NOZORDER);
    label.attach(control);
    label.setTextColor(white);
  }
  ~BarLabel() { DestroyWindow(dialog); }

  // The label's pixels with the name: 1 where the text is drawn.
  std::vector<bool> drawn(const std::wstring& name) {
    SetWindowTextW(control, name.c_str());
    Canvas canvas(75, 20);
    canvas.fill(RGB(0, 0, 0), 75, 20);
    SendMessageA(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc), PRF_CLIENT);
    std::vector<bool> text;
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 75; ++x) text.push_back(canvas.at(x, y) != RGB(0, 0, 0));
    }
    return text;
  }

  HWND dialog = nullptr;
  HWND control = nullptr;
  LabelButton label;

 private:
  static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (message != WM_DRAWITEM || !reflectNotification(window, WindowMessage{message, wParam, lParam}, result)) {
      return FALSE;
    }
    SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
    return TRUE;
  }
};

TEST(LabelButtonFonts, DrawsEveryNameInGlyphsNotBoxes) {
  // Missing glyphs all draw the same box: a name of distinct characters then
  // looks the same written backwards.
  struct Case {
    const char* script;
    std::wstring name;
  };
  const Case cases[] = {
      {"Japanese", L"\x30C7\x30D5\x30A9\x30EB\x30C8"},
      {"Korean", L"\xD55C\xAD6D\xC5B4\xB178\xB798"},
      {"accented Latin", L"\x0159\x016F\x011B\x0161\x010D\x017E"},
  };
  BarLabel bar;
  for (const Case& c : cases) {
    std::wstring backwards(c.name.rbegin(), c.name.rend());
    const std::vector<bool> forward = bar.drawn(c.name);
    EXPECT_GT(std::count(forward.begin(), forward.end(), true), 20) << c.script;
    EXPECT_TRUE(forward != bar.drawn(backwards)) << c.script << ": drawn as boxes";
  }
}

TEST(LabelButtonFonts, FollowsTheBarsResolution) {
  BarLabel bar;
  const std::wstring name = L"\x30C7\x30D5";
  const std::vector<bool> usual = bar.drawn(name);
  bar.label.setDpi(192);
  const std::vector<bool> doubled = bar.drawn(name);
  EXPECT_GT(std::count(doubled.begin(), doubled.end(), true), 2 * std::count(usual.begin(), usual.end(), true));
  // A font set later is the one drawn, still at the bar's resolution.
  LOGFONTW half{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageA(bar.dialog, WM_GETFONT, 0, 0)), sizeof half, &half);
  half.lfHeight /= 2;
  HFONT halfFont = CreateFontIndirectW(&half);
  SendMessageA(bar.control, WM_SETFONT, reinterpret_cast<WPARAM>(halfFont), FALSE);
  const std::vector<bool> smaller = bar.drawn(name);
  EXPECT_LT(std::count(smaller.begin(), smaller.end(), true), std::count(doubled.begin(), doubled.end(), true) * 3 / 4);
  DeleteObject(halfFont);
}

TEST(LabelButtonTip, ShowsTheWholeNameAsItStands) {
  BarLabel bar;
  const std::string name = "a very long name of a folder & its music, cut at both ends";
  bar.label.setText(name);
  SendMessageA(bar.control, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  HWND tip = tipOf(bar.control);
  ASSERT_NE(tip, nullptr);
  EXPECT_EQ(tipText(tip, bar.control), name);
  EXPECT_EQ(GetWindowLongA(tip, GWL_STYLE) & TTS_NOPREFIX, TTS_NOPREFIX);
  bar.label.setText("x.wav");
  EXPECT_EQ(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
  EXPECT_EQ(tipText(tip, bar.control), "x.wav");
  DestroyWindow(bar.control);
  EXPECT_FALSE(IsWindow(tip)) << "the tip outlived its label";
}

TEST_F(LabelButtonTest, ShowsTheBitmapTheOwnerHoldsAtEachPaint) {
  Canvas replacement(75, 20);
  replacement.fill(RGB(0, 200, 0), 75, 20);
  HBITMAP first = bitmap;
  bitmap = static_cast<HBITMAP>(CopyImage(replacement.bitmap, IMAGE_BITMAP, 0, 0, 0));
  Canvas canvas(75, 20);
  whitePixels(canvas);
  EXPECT_EQ(canvas.at(1, 1), RGB(0, 200, 0));
  DeleteObject(first);
}

TEST_F(LabelButtonTest, AnswersTheOtherReflectedItemMessages) {
  DELETEITEMSTRUCT deleted{};
  EXPECT_EQ(SendMessageA(control, reflectionOffset + WM_DELETEITEM, 0, reinterpret_cast<LPARAM>(&deleted)), 1);
  COMPAREITEMSTRUCT compared{};
  EXPECT_EQ(SendMessageA(control, reflectionOffset + WM_COMPAREITEM, 0, reinterpret_cast<LPARAM>(&compared)), 0);
  MEASUREITEMSTRUCT menuItem{};
  menuItem.CtlType = ODT_MENU;
  EXPECT_EQ(SendMessageA(control, reflectionOffset + WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&menuItem)), 1);
  EXPECT_EQ(menuItem.itemHeight, static_cast<UINT>(GetSystemMetrics(SM_CYMENU)));
  MEASUREITEMSTRUCT controlItem{};
  controlItem.CtlType = ODT_BUTTON;
  SendMessageA(control, reflectionOffset + WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&controlItem));
  EXPECT_GT(controlItem.itemHeight, 0u);
}

TEST(Reflection, FindsTheControlEachNotificationConcerns) {
  ControlHost host;
  HWND button = host.addButton(1006, "x");
  HWND dialog = host.window;
  DRAWITEMSTRUCT drawnControl{};
  drawnControl.CtlType = ODT_BUTTON;
  drawnControl.hwndItem = button;
  DRAWITEMSTRUCT drawnMenu{};
  drawnMenu.CtlType = ODT_MENU;
  drawnMenu.hwndItem = button;
  MEASUREITEMSTRUCT measured{};
  measured.CtlType = ODT_BUTTON;
  measured.CtlID = 1006;
  NMHDR notification{button, 1006, 0};
  auto lp = [](const void* p) { return reinterpret_cast<LPARAM>(p); };
  const LPARAM buttonLp = reinterpret_cast<LPARAM>(button);

  struct Case {
    const char* name;
    WindowMessage message;
    HWND expected;
  };
  const Case cases[] = {
      {"command from a control", {WM_COMMAND, MAKEWPARAM(1006, BN_DOUBLECLICKED), buttonLp}, button},
      {"menu command", {WM_COMMAND, 32780, 0}, nullptr},
      {"notify", {WM_NOTIFY, 1006, lp(&notification)}, button},
      {"owner draw of a control", {WM_DRAWITEM, 1006, lp(&drawnControl)}, button},
      {"owner draw of a menu", {WM_DRAWITEM, 0, lp(&drawnMenu)}, nullptr},
      {"measure by id", {WM_MEASUREITEM, 1006, lp(&measured)}, button},
      {"parent notify of a creation", {WM_PARENTNOTIFY, WM_CREATE, buttonLp}, button},
      {"parent notify of a click", {WM_PARENTNOTIFY, MAKEWPARAM(WM_LBUTTONDOWN, 1006), MAKELPARAM(3, 4)}, button},
      {"colour of a control", {WM_CTLCOLORBTN, 0, buttonLp}, button},
      {"colour of the dialog itself", {WM_CTLCOLORDLG, 0, reinterpret_cast<LPARAM>(dialog)}, nullptr},
      {"not a notification", {WM_PAINT, 0, buttonLp}, nullptr},
  };
  for (const Case& c : cases) EXPECT_EQ(controlConcerned(dialog, c.message), c.expected) << c.name;
}

}  // namespace
