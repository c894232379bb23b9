#pragma once
// The main window's pictures at the bar's resolution: the background and
// label bitmaps, the palette for palette displays, and the image lists of the
// button strips. At 100 % they are the bitmaps of the resources; at the
// scales the pictures were drawn for, those drawings; in between, the
// drawings of the nearest larger scale reduced to the bar's sizes.
#include <windows.h>
#include <commctrl.h>

class PlayerPictures {
 public:
  PlayerPictures() = default;
  ~PlayerPictures();
  PlayerPictures(const PlayerPictures&) = delete;
  PlayerPictures& operator=(const PlayerPictures&) = delete;

  // A strip cut into four images, each the size of the control's place at the
  // resolution; the caller owns the list.
  static HIMAGELIST loadStrip(int bitmapId, int controlId, UINT dpi);
  // The play button's two face lists; the previous ones are released, except
  // the one the play button holds, which the caller releases once replaced.
  void loadFaces(UINT dpi, HIMAGELIST held);
  // The background and the label bitmaps, replacing those loaded before.
  void loadBitmaps(UINT dpi);
  // Only palette displays get a palette.
  void createPalette(HWND window);
  // The background centred in the client area, through the palette if there is one.
  void paintBackground(HDC dc, const RECT& client) const;
  // The play button holds one face list; the other one is released here.
  void destroyFaceListOtherThan(HIMAGELIST held);

  HBITMAP backgroundBitmap = nullptr;
  HBITMAP trackLabelBitmap = nullptr;
  HBITMAP groupLabelBitmap = nullptr;
  HPALETTE palette = nullptr;
  HIMAGELIST playFaceImages = nullptr;
  HIMAGELIST stopFaceImages = nullptr;

 private:
  static void replaceBitmap(HBITMAP& member, int bitmapId, SIZE size, UINT dpi);
};

// Width and height of a bitmap, zero when there is none.
SIZE bitmapSize(HBITMAP bitmap);

// The percentage of the pictures drawn for the resolution: 100, one of the
// drawn scales at or above it, or the largest.
int pictureScaleFor(UINT dpi);
