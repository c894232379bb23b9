#include "ui/BarLayout.h"

#include "resources/resource.h"
#include "ui/DisplayScale.h"

// The template's places converted with the base units of the dialog font the
// bar was designed with (6 x 12 pixels); every control is 20 pixels high and
// as wide as its picture.
const std::array<BarLayout::Place, 7> BarLayout::places = {{
    {IDOK, {21, 8, 41, 28}},
    {IDC_GROUP_MENU, {45, 8, 105, 28}},
    {IDC_TRACK_MENU, {110, 8, 185, 28}},
    {IDC_PREV, {189, 8, 209, 28}},
    {IDC_CUE, {210, 8, 230, 28}},
    {IDC_PLAY, {231, 8, 251, 28}},
    {IDC_NEXT, {252, 8, 272, 28}},
}};

SIZE BarLayout::barSize(UINT dpi) {
  return SIZE{DisplayScale::scaled(designSize.cx, dpi), DisplayScale::scaled(designSize.cy, dpi)};
}

RECT BarLayout::areaOf(int controlId, UINT dpi) {
  for (const Place& place : places) {
    if (place.controlId != controlId) continue;
    const RECT& a = place.area;
    return RECT{DisplayScale::scaled(a.left, dpi), DisplayScale::scaled(a.top, dpi),
                DisplayScale::scaled(a.right, dpi), DisplayScale::scaled(a.bottom, dpi)};
  }
  return RECT{0, 0, 0, 0};
}

void BarLayout::placeControls(HWND dialog, UINT dpi) {
  for (const Place& place : places) {
    HWND control = GetDlgItem(dialog, place.controlId);
    if (!control) continue;
    const RECT area = areaOf(place.controlId, dpi);
    SetWindowPos(control, nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}
