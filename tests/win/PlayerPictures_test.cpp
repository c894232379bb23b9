// The background keeps its own header, from which palette displays get their palette.
#include "ui/PlayerPictures.h"

#include <gtest/gtest.h>

namespace {

TEST(PlayerPictures, TheBackgroundKeepsItsOwnColourDepth) {
  PlayerPictures pictures;
  pictures.loadBitmaps();
  DIBSECTION section{};
  ASSERT_EQ(GetObjectA(pictures.backgroundBitmap, sizeof section, &section), static_cast<int>(sizeof section))
      << "a device bitmap takes the display's depth and has no colour table to read";
  EXPECT_EQ(section.dsBmih.biBitCount, 24) << "a 24-bit picture gets the halftone palette";
}

}  // namespace
