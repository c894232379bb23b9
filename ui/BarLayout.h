#pragma once
// Where the controls of the main window sit: in pixels of its 280 x 34 client
// area at 100 %, the places the pictures were drawn for, and at any other
// resolution each edge scaled with the one rounding, so that neighbours
// neither overlap nor leave a seam. The template gives the places in dialog
// units, which follow the dialog font, so a font of other widths would push
// the controls off the pictures and out of the bar.
#include <windows.h>

#include <array>

class BarLayout {
 public:
  struct Place {
    int controlId;
    RECT area;
  };
  static const std::array<Place, 7> places;
  static constexpr SIZE designSize{280, 34};

  static SIZE barSize(UINT dpi);
  // The control's area at the resolution; empty for a control the bar has not.
  static RECT areaOf(int controlId, UINT dpi);
  // Moves and sizes every control to its place; the z-order stays as it is.
  static void placeControls(HWND dialog, UINT dpi);
};
