#pragma once
// The main window's pictures: the background and label bitmaps, the palette
// for palette displays, and the image lists of the button strips.
#include <windows.h>
#include <commctrl.h>

class PlayerPictures {
 public:
  PlayerPictures() = default;
  ~PlayerPictures();
  PlayerPictures(const PlayerPictures&) = delete;
  PlayerPictures& operator=(const PlayerPictures&) = delete;

  // A strip bitmap cut into four images of a quarter of its width each; the
  // caller owns the list.
  static HIMAGELIST loadStrip(int bitmapId);
  void loadFaces();
  void loadBitmaps();
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
  static void replaceBitmap(HBITMAP& member, int bitmapId);
};

// Width and height of a bitmap, zero when there is none.
SIZE bitmapSize(HBITMAP bitmap);
