// The palette for palette displays, built from the background's own colours.
#include "ui/PlayerPictures.h"

#include <gtest/gtest.h>

namespace {

TEST(PlayerPictures, ThePaletteTakesTheBitmapsOwnColours) {
  PlayerPictures pictures;
  pictures.loadBitmaps();
  DIBSECTION section{};
  ASSERT_EQ(GetObjectA(pictures.backgroundBitmap, sizeof section, &section), static_cast<int>(sizeof section))
      << "a device bitmap takes the display's depth and has no colour table to read";
  EXPECT_EQ(section.dsBmih.biBitCount, 24);

  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[2];
  } info{{sizeof(BITMAPINFOHEADER), 4, 4, 1, 8, BI_RGB, 0, 0, 0, 2, 0}, {{10, 20, 30, 0}, {200, 100, 50, 0}}};
  HDC screen = GetDC(nullptr);
  void* bits = nullptr;
  HBITMAP eight = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
  HPALETTE own = PlayerPictures::paletteFor(screen, eight);
  PALETTEENTRY entries[256] = {};
  ASSERT_GE(GetPaletteEntries(own, 0, 256, entries), 2u);
  EXPECT_EQ(RGB(entries[0].peRed, entries[0].peGreen, entries[0].peBlue), RGB(30, 20, 10));
  EXPECT_EQ(RGB(entries[1].peRed, entries[1].peGreen, entries[1].peBlue), RGB(50, 100, 200));
  DeleteObject(own);
  DeleteObject(eight);
  ReleaseDC(nullptr, screen);
}

}  // namespace
