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

  HDC screen = GetDC(nullptr);
  HPALETTE halftone = PlayerPictures::paletteFor(screen, pictures.backgroundBitmap);
  ASSERT_NE(halftone, nullptr);
  PALETTEENTRY entries[256] = {};
  const UINT count = GetPaletteEntries(halftone, 0, 256, entries);
  int coloured = 0;
  for (UINT i = 0; i < count; ++i) coloured += entries[i].peRed || entries[i].peGreen || entries[i].peBlue;
  EXPECT_GT(coloured, 200) << "the halftone palette of a 24-bit picture";
  DeleteObject(halftone);

  // An 8-bit picture of three colours gives those first.
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[3];
  } info{};
  info.header = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), 4, 4, 1, 8, BI_RGB, 0, 0, 0, 3, 0};
  info.colours[0] = RGBQUAD{10, 20, 30, 0};
  info.colours[1] = RGBQUAD{200, 100, 50, 0};
  info.colours[2] = RGBQUAD{1, 2, 3, 0};
  void* bits = nullptr;
  HBITMAP eight = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
  HPALETTE own = PlayerPictures::paletteFor(screen, eight);
  ASSERT_GE(GetPaletteEntries(own, 0, 256, entries), 3u);
  EXPECT_EQ(RGB(entries[0].peRed, entries[0].peGreen, entries[0].peBlue), RGB(30, 20, 10));
  EXPECT_EQ(RGB(entries[1].peRed, entries[1].peGreen, entries[1].peBlue), RGB(50, 100, 200));
  EXPECT_EQ(RGB(entries[2].peRed, entries[2].peGreen, entries[2].peBlue), RGB(3, 2, 1));
  DeleteObject(own);
  DeleteObject(eight);
  ReleaseDC(nullptr, screen);
}

}  // namespace
