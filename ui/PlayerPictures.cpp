#include "ui/PlayerPictures.h"

#include <vector>

#include "resources/resource.h"
#include "ui/BarLayout.h"
#include "ui/BoxFilter.h"
#include "ui/DisplayScale.h"
#include "ui/Module.h"
#include "ui/PngPicture.h"

SIZE bitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return SIZE{0, 0};
  return SIZE{info.bmWidth, info.bmHeight};
}

PlayerPictures::~PlayerPictures() {
  for (HBITMAP bitmap : {backgroundBitmap, trackLabelBitmap, groupLabelBitmap}) {
    if (bitmap) DeleteObject(bitmap);
  }
  if (palette) DeleteObject(palette);
}

namespace {
constexpr int drawnScales[] = {125, 150, 175, 200, 250, 300};

SIZE sizeOf(const RECT& area) { return SIZE{area.right - area.left, area.bottom - area.top}; }

// The picture at the scale drawn for the resolution, or null.
HBITMAP loadDrawn(int bitmapId, UINT dpi) {
  const int scale = pictureScaleFor(dpi);
  if (scale == 100) {
    return static_cast<HBITMAP>(
        LoadImageA(Module::instance(), MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  }
  HBITMAP drawn = PngPicture::load(Module::instance(), SCALED_PICTURE(bitmapId, scale));
  if (drawn) return drawn;
  // Without the imaging component the 100 % picture is enlarged.
  return static_cast<HBITMAP>(
      LoadImageA(Module::instance(), MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}
}  // namespace

int pictureScaleFor(UINT dpi) {
  if (dpi <= DisplayScale::designDpi) return 100;
  for (int scale : drawnScales) {
    if (static_cast<UINT>(scale) * DisplayScale::designDpi >= dpi * 100) return scale;
  }
  return drawnScales[sizeof drawnScales / sizeof drawnScales[0] - 1];
}

HIMAGELIST PlayerPictures::loadStrip(int bitmapId, int controlId, UINT dpi) {
  HINSTANCE instance = Module::instance();
  // At 100 % the strip is the resource as it has always been loaded.
  if (dpi == DisplayScale::designDpi) {
    auto strip = static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP, 0, 0, 0));
    const LONG width = bitmapSize(strip).cx;
    if (strip) DeleteObject(strip);
    if (width < 4) return nullptr;
    return ImageList_LoadImageA(instance, MAKEINTRESOURCEA(bitmapId), width / 4, 1, CLR_NONE, IMAGE_BITMAP,
                                LR_CREATEDIBSECTION);
  }
  const SIZE face = sizeOf(BarLayout::areaOf(controlId, dpi));
  HBITMAP strip = loadDrawn(bitmapId, dpi);
  const SIZE drawn = bitmapSize(strip);
  HIMAGELIST list = nullptr;
  if (drawn.cx >= 4 && face.cx > 0 && face.cy > 0) list = ImageList_Create(face.cx, face.cy, ILC_COLOR24, 4, 0);
  // Drawn at the size of the place, the strip goes in as it is.
  const bool drawnToSize = drawn.cx == 4 * face.cx && drawn.cy == face.cy;
  if (list && drawnToSize) ImageList_Add(list, strip, nullptr);
  for (int image = 0; list && !drawnToSize && image < 4; ++image) {
    // Each image reduced on its own, so that no image takes a seam of its neighbour.
    HBITMAP resized = BoxFilter::resized(strip, image * drawn.cx / 4, drawn.cx / 4, face.cx, face.cy);
    if (resized) ImageList_Add(list, resized, nullptr);
    if (resized) DeleteObject(resized);
  }
  if (strip) DeleteObject(strip);
  if (list && ImageList_GetImageCount(list) != 4) {
    ImageList_Destroy(list);
    list = nullptr;
  }
  return list;
}

void PlayerPictures::loadFaces(UINT dpi, HIMAGELIST held) {
  for (HIMAGELIST* faces : {&playFaceImages, &stopFaceImages}) {
    if (*faces && *faces != held) ImageList_Destroy(*faces);
  }
  playFaceImages = loadStrip(IDB_PLAY_FACE, IDC_PLAY, dpi);
  stopFaceImages = loadStrip(IDB_STOP_FACE, IDC_PLAY, dpi);
}

void PlayerPictures::replaceBitmap(HBITMAP& member, int bitmapId, SIZE size, UINT dpi) {
  // A section keeps the resource's own header and colour table, which the
  // palette is built from; a device bitmap would take the display's.
  HBITMAP loaded = loadDrawn(bitmapId, dpi);
  const SIZE drawn = bitmapSize(loaded);
  if (loaded && (drawn.cx != size.cx || drawn.cy != size.cy)) {
    HBITMAP resized = BoxFilter::resized(loaded, 0, drawn.cx, size.cx, size.cy);
    DeleteObject(loaded);
    loaded = resized;
  }
  if (member && member != loaded) DeleteObject(member);
  member = loaded;
}

void PlayerPictures::loadBitmaps(UINT dpi) {
  replaceBitmap(backgroundBitmap, IDB_BACKGROUND, BarLayout::barSize(dpi), dpi);
  replaceBitmap(trackLabelBitmap, IDB_TRACK_LABEL, sizeOf(BarLayout::areaOf(IDC_TRACK_MENU, dpi)), dpi);
  replaceBitmap(groupLabelBitmap, IDB_GROUP_LABEL, sizeOf(BarLayout::areaOf(IDC_GROUP_MENU, dpi)), dpi);
}

namespace {
// The colours of the bitmap's own header: those in use, or all its depth allows.
unsigned bitmapColourCount(HBITMAP bitmap) {
  DIBSECTION section{};
  if (GetObjectA(bitmap, sizeof section, &section) == sizeof section) {
    const BITMAPINFOHEADER& header = section.dsBmih;
    if (header.biClrUsed) return header.biClrUsed;
    return header.biBitCount > 8 ? 257u : 1u << header.biBitCount;
  }
  BITMAP plain{};
  if (!GetObjectA(bitmap, sizeof plain, &plain)) return 0;
  return plain.bmBitsPixel > 8 ? 257u : 1u << plain.bmBitsPixel;
}

HPALETTE paletteFromColourTable(HDC dc, HBITMAP bitmap, unsigned colours) {
  std::vector<RGBQUAD> table(colours);
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  GetDIBColorTable(memory, 0, colours, table.data());
  SelectObject(memory, previous);
  DeleteDC(memory);
  std::vector<BYTE> storage(sizeof(LOGPALETTE) + colours * sizeof(PALETTEENTRY));
  auto* logical = reinterpret_cast<LOGPALETTE*>(storage.data());
  logical->palVersion = 0x300;
  logical->palNumEntries = static_cast<WORD>(colours);
  for (unsigned i = 0; i < colours; ++i) {
    logical->palPalEntry[i] = PALETTEENTRY{table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue, 0};
  }
  return CreatePalette(logical);
}
}  // namespace

void PlayerPictures::createPalette(HWND window) {
  if (palette) DeleteObject(palette);
  palette = nullptr;
  HDC dc = GetDC(window);
  if (!dc) return;
  if ((GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) && backgroundBitmap) {
    const unsigned colours = bitmapColourCount(backgroundBitmap);
    if (colours > 256) {
      palette = CreateHalftonePalette(dc);
    } else if (colours > 0) {
      palette = paletteFromColourTable(dc, backgroundBitmap, colours);
    }
  }
  ReleaseDC(window, dc);
}

void PlayerPictures::paintBackground(HDC dc, const RECT& client) const {
  HPALETTE previousPalette = nullptr;
  if (palette) {
    previousPalette = SelectPalette(dc, palette, FALSE);
    RealizePalette(dc);
  }
  if (backgroundBitmap) {
    const SIZE size = bitmapSize(backgroundBitmap);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memory, backgroundBitmap);
    const int x = (client.right - client.left) / 2 - size.cx / 2;
    const int y = (client.bottom - client.top) / 2 - size.cy / 2;
    BitBlt(dc, x, y, size.cx, size.cy, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
  }
  if (palette) SelectPalette(dc, previousPalette, FALSE);
}

void PlayerPictures::destroyFaceListOtherThan(HIMAGELIST held) {
  for (HIMAGELIST* faces : {&playFaceImages, &stopFaceImages}) {
    if (*faces && *faces != held) ImageList_Destroy(*faces);
    *faces = nullptr;
  }
}
