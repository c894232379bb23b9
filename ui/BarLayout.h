#pragma once
// Where the controls of the main window sit, in pixels of its 280 x 34 client
// area: the places the pictures were drawn for. The template gives the places
// in dialog units, which follow the dialog font, so a font of other widths
// would push the controls off the pictures and out of the bar.
#include <windows.h>

#include <array>

class BarLayout {
 public:
  struct Place {
    int controlId;
    POINT topLeft;
  };
  static const std::array<Place, 7> places;

  // Moves every control to its place; sizes and z-order stay as they are.
  static void placeControls(HWND dialog);
};
