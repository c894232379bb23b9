// The resources as the program reads them back at run time: the resource
// compiler must have turned the UTF-8 source into the right UTF-16 texts.
#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/resource.h"
#include "ui/PngPicture.h"

namespace {

HINSTANCE module() { return GetModuleHandleA(nullptr); }

std::string ansi(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, &out[0], size, nullptr, nullptr);
  return out;
}

TEST(Resources, StringTableReadsBackInTheAnsiCodePage) {
  const std::pair<UINT, const wchar_t*> strings[] = {
      {IDS_LABEL_TEXT_COLOR, L"FFFFFF"}, {IDS_TIP_PLAY, L"再生"},     {IDS_TIP_STOP, L"停止"},
      {IDS_TIP_NEXT, L"次の曲へ"},       {IDS_TIP_PREV, L"前の曲へ"}, {IDS_TIP_CUE, L"頭出し"},
      {IDS_TIP_EXIT, L"終了"},           {IDS_DEFAULT_GROUP_ITEM, L"<デフォルト>"},
      {IDS_DEFAULT_GROUP_NAME, L"デフォルト"},
      {IDS_BROWSE_TITLE, L"音楽ファイルのあるフォルダを選択してください"},
  };
  ASSERT_TRUE(GetACP() == 932u || GetACP() == CP_UTF8) << "the Japanese texts need code page 932 or UTF-8";
  for (const auto& s : strings) {
    wchar_t wide[128] = {};
    LoadStringW(module(), s.first, wide, 128);
    EXPECT_EQ(std::wstring(wide), s.second) << s.first;
    char narrow[128] = {};
    LoadStringA(module(), s.first, narrow, sizeof narrow);
    EXPECT_EQ(std::string(narrow), ansi(s.second)) << s.first;
  }
}

// The menu as lines of depth and text ("-" for a separator) and command ids.
void walk(HMENU menu, int depth, std::vector<std::wstring>& lines) {
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    wchar_t text[128] = {};
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING | MIIM_STATE;
    item.dwTypeData = text;
    item.cch = 128;
    GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &item);
    std::wstring line = std::to_wstring(depth) + L" ";
    if (item.fType & MFT_SEPARATOR) {
      line += L"-";
    } else {
      line += text;
      if (!item.hSubMenu) line += L" " + std::to_wstring(item.wID);
      if (item.fState & (MFS_CHECKED | MFS_GRAYED)) line += L" (checked or greyed)";
    }
    lines.push_back(line);
    if (item.hSubMenu) walk(item.hSubMenu, depth + 1, lines);
  }
}

TEST(Resources, MainMenuHoldsTheWholeTree) {
  HMENU menu = LoadMenuA(module(), MAKEINTRESOURCEA(IDR_MAIN_MENU));
  ASSERT_NE(menu, nullptr);
  std::vector<std::wstring> lines;
  walk(menu, 0, lines);
  const std::vector<std::wstring> expected = {
      L"0 index0",
      L"1 フォルダ設定", L"2 no 32780", L"2 設定 32791",
      L"1 プレイリストの順序", L"2 ランダム 32774", L"2 -", L"2 名前順 32789", L"2 作成順 32790",
      L"2 アクセス順 32793", L"2 -", L"2 逆順 32786", L"2 -", L"2 除外拡張子", L"3 non 32800",
      L"1 リピート 32776", L"1 １曲のみ再生 32797", L"1 -", L"1 常に手前に表示 32782", L"1 透明化 32795",
      L"1 「Tovik」について 57664",
  };
  EXPECT_EQ(lines, expected);
  DestroyMenu(menu);
}

TEST(Resources, BitmapsAre24BitsAtTheirSizes) {
  const struct {
    int id;
    LONG width;
    LONG height;
  } bitmaps[] = {{IDB_PLAY_FACE, 80, 20}, {IDB_STOP_FACE, 80, 20}, {IDB_TRACK_LABEL, 75, 20},
                 {IDB_EXIT, 80, 20},      {IDB_BACKGROUND, 280, 34}, {IDB_NEXT, 80, 20},
                 {IDB_CUE, 80, 20},       {IDB_PREV, 80, 20},        {IDB_GROUP_LABEL, 60, 20}};
  for (const auto& b : bitmaps) {
    HANDLE loaded = LoadImageA(module(), MAKEINTRESOURCEA(b.id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    ASSERT_NE(loaded, nullptr) << b.id;
    DIBSECTION section{};
    ASSERT_EQ(GetObjectA(loaded, sizeof section, &section), static_cast<int>(sizeof section)) << b.id;
    EXPECT_EQ(section.dsBmih.biWidth, b.width) << b.id;
    EXPECT_EQ(std::abs(section.dsBmih.biHeight), b.height) << b.id;
    EXPECT_EQ(section.dsBmih.biBitCount, 24) << b.id;
    DeleteObject(loaded);
  }
}

TEST(Resources, IconHasAFrameForEverySizeTheScalesAsk) {
  for (int size : {16, 20, 24, 32, 40, 48, 64}) {
    HICON icon = static_cast<HICON>(LoadImageA(module(), MAKEINTRESOURCEA(IDI_PLAYER), IMAGE_ICON, size, size, 0));
    ASSERT_NE(icon, nullptr) << size;
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP colour{};
    GetObjectA(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, size);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
}

TEST(Resources, EveryPictureIsDrawnAtEveryScaleAtItsScaledSize) {
  CoInitialize(nullptr);
  const struct {
    int id;
    int width;
    int height;
  } pictures[] = {{IDB_PLAY_FACE, 80, 20}, {IDB_STOP_FACE, 80, 20}, {IDB_TRACK_LABEL, 75, 20},
                  {IDB_EXIT, 80, 20},      {IDB_BACKGROUND, 280, 34}, {IDB_NEXT, 80, 20},
                  {IDB_CUE, 80, 20},       {IDB_PREV, 80, 20},        {IDB_GROUP_LABEL, 60, 20}};
  for (int percent : {125, 150, 175, 200, 250, 300}) {
    for (const auto& p : pictures) {
      HBITMAP drawn = PngPicture::load(module(), SCALED_PICTURE(p.id, percent));
      ASSERT_NE(drawn, nullptr) << p.id << " at " << percent;
      BITMAP size{};
      GetObjectA(drawn, sizeof size, &size);
      EXPECT_EQ(size.bmWidth, (p.width * percent * 2 + 100) / 200) << p.id << " at " << percent;
      EXPECT_EQ(size.bmHeight, (p.height * percent * 2 + 100) / 200) << p.id << " at " << percent;
      DeleteObject(drawn);
    }
  }
  EXPECT_EQ(PngPicture::load(module(), IDB_BACKGROUND), nullptr) << "a bitmap is no PNG";
  CoUninitialize();
}

INT_PTR CALLBACK quiet(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

TEST(Resources, DialogTemplatesCarryTheirTexts) {
  HWND about = CreateDialogParamW(module(), MAKEINTRESOURCEW(IDD_ABOUTBOX), nullptr, &quiet, 0);
  ASSERT_NE(about, nullptr);
  wchar_t text[64] = {};
  GetDlgItemTextW(about, IDC_VERSION, text, 64);
  EXPECT_EQ(std::wstring(text), L"Ver1.2.2");
  GetWindowTextW(about, text, 64);
  EXPECT_EQ(std::wstring(text), L"About");
  DestroyWindow(about);

  HWND player = CreateDialogParamW(module(), MAKEINTRESOURCEW(IDD_PLAYER), nullptr, &quiet, 0);
  ASSERT_NE(player, nullptr);
  const std::pair<int, const wchar_t*> controls[] = {
      {IDOK, L"OK"},         {IDC_PREV, L"<<"},           {IDC_CUE, L"|<"},
      {IDC_PLAY, L">"},      {IDC_NEXT, L">>"},           {IDC_GROUP_MENU, L"グループ"},
      {IDC_TRACK_MENU, L"サウンドファイル"},
  };
  for (const auto& c : controls) {
    GetDlgItemTextW(player, c.first, text, 64);
    EXPECT_EQ(std::wstring(text), c.second) << c.first;
  }
  const LONG_PTR style = GetWindowLongPtrW(player, GWL_STYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_FALSE(style & (WS_CAPTION | WS_SYSMENU | WS_VISIBLE));
  const LONG_PTR exStyle = GetWindowLongPtrW(player, GWL_EXSTYLE);
  EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
  EXPECT_TRUE(exStyle & WS_EX_ACCEPTFILES);
  EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
  DestroyWindow(player);
}

}  // namespace
