// The bar's pictures: the 100 % resources as they are, the drawings for the
// other scales, and those in between reduced from the nearest larger set.
#include "ui/PlayerPictures.h"

#include <objbase.h>

#include <gtest/gtest.h>

#include <vector>

#include "resources/resource.h"
#include "ui/BoxFilter.h"
#include "ui/PngPicture.h"

namespace {

class PlayerPicturesTest : public testing::Test {
 protected:
  void SetUp() override { CoInitialize(nullptr); }
  void TearDown() override { CoUninitialize(); }
};

// The picture's pixels as 0xRRGGBB, row by row.
std::vector<COLORREF> pixelsOf(HBITMAP picture) {
  BITMAP size{};
  GetObjectA(picture, sizeof size, &size);
  std::vector<COLORREF> pixels;
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, picture);
  for (int y = 0; y < size.bmHeight; ++y) {
    for (int x = 0; x < size.bmWidth; ++x) pixels.push_back(GetPixel(dc, x, y));
  }
  SelectObject(dc, previous);
  DeleteDC(dc);
  return pixels;
}

TEST_F(PlayerPicturesTest, TheBackgroundKeepsItsOwnColourDepth) {
  PlayerPictures pictures;
  pictures.loadBitmaps(96);
  DIBSECTION section{};
  ASSERT_EQ(GetObjectA(pictures.backgroundBitmap, sizeof section, &section), static_cast<int>(sizeof section))
      << "a device bitmap takes the display's depth and has no colour table to read";
  EXPECT_EQ(section.dsBmih.biBitCount, 24) << "a 24-bit picture gets the halftone palette";
  HDC screen = GetDC(nullptr);
  const bool paletteDisplay = GetDeviceCaps(screen, RASTERCAPS) & RC_PALETTE;
  ReleaseDC(nullptr, screen);
  ASSERT_FALSE(paletteDisplay) << "the test display takes every colour";
  pictures.createPalette(nullptr);
  EXPECT_EQ(pictures.palette, nullptr) << "a palette for a display that takes every colour";
  HBITMAP background = nullptr;
  {
    PlayerPictures gone;
    gone.loadBitmaps(96);
    background = gone.backgroundBitmap;
  }
  BITMAP left{};
  EXPECT_EQ(GetObjectA(background, sizeof left, &left), 0) << "the background outlived its pictures";
}

TEST_F(PlayerPicturesTest, EachResolutionTakesTheNearestSetAtOrAboveIt) {
  const std::pair<UINT, int> cases[] = {{72, 100},  {96, 100},  {97, 125},  {120, 125}, {121, 150}, {144, 150},
                                        {168, 175}, {169, 200}, {192, 200}, {240, 250}, {288, 300}, {384, 300}};
  for (const auto& c : cases) EXPECT_EQ(pictureScaleFor(c.first), c.second) << c.first;
}

TEST_F(PlayerPicturesTest, AtADrawnScaleThePicturesAreTheDrawingsThemselves) {
  PlayerPictures pictures;
  pictures.loadBitmaps(144);
  HBITMAP drawn = PngPicture::load(GetModuleHandleA(nullptr), SCALED_PICTURE(IDB_BACKGROUND, 150));
  ASSERT_NE(drawn, nullptr);
  EXPECT_EQ(bitmapSize(pictures.backgroundBitmap).cx, 420);
  EXPECT_EQ(bitmapSize(pictures.backgroundBitmap).cy, 51);
  EXPECT_EQ(pixelsOf(pictures.backgroundBitmap), pixelsOf(drawn));
  DeleteObject(drawn);
  EXPECT_EQ(bitmapSize(pictures.trackLabelBitmap).cx, 113) << "the label's edges at 165 and 278";
}

TEST_F(PlayerPicturesTest, BetweenScalesTheLargerSetIsReducedToTheBarsSizes) {
  PlayerPictures pictures;
  pictures.loadBitmaps(132);
  EXPECT_EQ(bitmapSize(pictures.backgroundBitmap).cx, 385);
  EXPECT_EQ(bitmapSize(pictures.backgroundBitmap).cy, 47);
  HIMAGELIST strip = PlayerPictures::loadStrip(IDB_NEXT, IDC_NEXT, 132);
  ASSERT_NE(strip, nullptr);
  int width = 0;
  int height = 0;
  ImageList_GetIconSize(strip, &width, &height);
  EXPECT_EQ(width, 27) << "the next button's edges at 347 and 374";
  EXPECT_EQ(height, 28);
  EXPECT_EQ(ImageList_GetImageCount(strip), 4);
  ImageList_Destroy(strip);
}

TEST_F(PlayerPicturesTest, ThePlayButtonsFacesFollowTheResolution) {
  PlayerPictures pictures;
  pictures.loadFaces(192, nullptr);
  int width = 0;
  int height = 0;
  ImageList_GetIconSize(pictures.playFaceImages, &width, &height);
  EXPECT_EQ(width, 40);
  ImageList_GetIconSize(pictures.stopFaceImages, &width, &height);
  EXPECT_EQ(height, 40);
  // The list the play button holds stays; the other goes.
  HIMAGELIST held = pictures.playFaceImages;
  pictures.destroyFaceListOtherThan(held);
  EXPECT_EQ(ImageList_GetImageCount(held), 4);
  EXPECT_EQ(pictures.stopFaceImages, nullptr);
  ImageList_Destroy(held);
}

TEST(BoxFilter, EachPixelIsTheMeanOfWhatItCovers) {
  struct Case {
    std::vector<BYTE> source;
    int width;
    std::vector<BYTE> expected;
  };
  const Case cases[] = {
      {{0, 0, 200, 200}, 2, {0, 200}},
      {{0, 90, 180}, 2, {30, 150}},
      {{40, 80}, 4, {40, 40, 80, 80}},
      {{10, 20, 30}, 3, {10, 20, 30}},
  };
  for (const Case& c : cases) {
    const int sourceWidth = static_cast<int>(c.source.size());
    BYTE* bits = nullptr;
    HBITMAP source = createPicture(sourceWidth, 1, &bits);
    for (int x = 0; x < sourceWidth; ++x) bits[3 * x] = bits[3 * x + 1] = bits[3 * x + 2] = c.source[x];
    HBITMAP result = BoxFilter::resized(source, 0, sourceWidth, c.width, 1);
    ASSERT_NE(result, nullptr);
    std::vector<COLORREF> expected;
    for (BYTE v : c.expected) expected.push_back(RGB(v, v, v));
    EXPECT_EQ(pixelsOf(result), expected) << sourceWidth << " to " << c.width;
    DeleteObject(result);
    DeleteObject(source);
  }
}

TEST(BoxFilter, ReadsOnlyThePartAskedFor) {
  BYTE* bits = nullptr;
  HBITMAP source = createPicture(4, 1, &bits);
  for (int x = 0; x < 4; ++x) bits[3 * x] = bits[3 * x + 1] = bits[3 * x + 2] = static_cast<BYTE>(x < 2 ? 0 : 250);
  HBITMAP right = BoxFilter::resized(source, 2, 2, 1, 1);
  EXPECT_EQ(pixelsOf(right), std::vector<COLORREF>{RGB(250, 250, 250)});
  EXPECT_EQ(BoxFilter::resized(source, 3, 2, 1, 1), nullptr) << "a part beyond the picture";
  DeleteObject(right);
  DeleteObject(source);
}

}  // namespace
