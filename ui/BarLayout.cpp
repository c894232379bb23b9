#include "ui/BarLayout.h"

#include "resources/resource.h"

// The template's places converted with the base units of the dialog font the
// bar was designed with (6 x 12 pixels); every control is 20 pixels high.
const std::array<BarLayout::Place, 7> BarLayout::places = {{
    {IDOK, {21, 8}},
    {IDC_GROUP_MENU, {45, 8}},
    {IDC_TRACK_MENU, {110, 8}},
    {IDC_PREV, {189, 8}},
    {IDC_CUE, {210, 8}},
    {IDC_PLAY, {231, 8}},
    {IDC_NEXT, {252, 8}},
}};

void BarLayout::placeControls(HWND dialog) {
  for (const Place& place : places) {
    HWND control = GetDlgItem(dialog, place.controlId);
    if (!control) continue;
    SetWindowPos(control, nullptr, place.topLeft.x, place.topLeft.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}
