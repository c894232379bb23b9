#include "ui/PlayerPictures.h"

#include <vector>

#include "ui/Module.h"
#include "resources/resource.h"

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

HIMAGELIST PlayerPictures::loadStrip(int bitmapId) {
  HINSTANCE instance = Module::instance();
  auto strip = static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP, 0, 0, 0));
  const LONG width = bitmapSize(strip).cx;
  if (strip) DeleteObject(strip);
  if (width < 4) return nullptr;
  return ImageList_LoadImageA(instance, MAKEINTRESOURCEA(bitmapId), width / 4, 1, CLR_NONE, IMAGE_BITMAP,
                              LR_CREATEDIBSECTION);
}

void PlayerPictures::loadFaces() {
  playFaceImages = loadStrip(IDB_PLAY_FACE);
  stopFaceImages = loadStrip(IDB_STOP_FACE);
}

void PlayerPictures::replaceBitmap(HBITMAP& member, int bitmapId) {
  // A section keeps the resource's own header and colour table, which the
  // palette is built from; a device bitmap would take the display's.
  auto loaded = static_cast<HBITMAP>(
      LoadImageA(Module::instance(), MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (member && member != loaded) DeleteObject(member);
  member = loaded;
}

void PlayerPictures::loadBitmaps() {
  replaceBitmap(backgroundBitmap, IDB_BACKGROUND);
  replaceBitmap(trackLabelBitmap, IDB_TRACK_LABEL);
  replaceBitmap(groupLabelBitmap, IDB_GROUP_LABEL);
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
