#include "ui/MainMenu.h"

#include <windowsx.h>

#include "resources/resource.h"
#include "ui/MenuText.h"

namespace {

void setItemText(HMENU menu, UINT command, const std::string& text) {
  const std::string shown = MenuText::of(text);
  MENUITEMINFOA item = {};
  item.cbSize = sizeof item;
  item.fMask = MIIM_STRING;
  item.dwTypeData = const_cast<char*>(shown.c_str());
  SetMenuItemInfoA(menu, command, FALSE, &item);
}

void check(HMENU menu, UINT command, bool checked) {
  CheckMenuItem(menu, command, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace

HMENU MainMenu::load(HINSTANCE instance, const PlayerState& state, const std::string& excludedText) {
  HMENU resource = LoadMenuA(instance, MAKEINTRESOURCEA(IDR_MAIN_MENU));
  if (resource == nullptr) return nullptr;
  HMENU menu = GetSubMenu(resource, 0);
  if (menu == nullptr) {
    DestroyMenu(resource);
    return nullptr;
  }
  setItemText(menu, ID_FOLDER_CURRENT, state.curDir);
  check(menu, ID_ORDER_RANDOM, state.randomMode != 0);
  check(menu, ID_ORDER_NAME, state.sortMethod != 1 && state.sortMethod != 2);
  check(menu, ID_ORDER_CREATED, state.sortMethod == 1);
  check(menu, ID_ORDER_ACCESSED, state.sortMethod == 2);
  check(menu, ID_ORDER_REVERSE, state.sortReverse);
  check(menu, ID_REPEAT, state.repeatMode != 0);
  check(menu, ID_ONE_PLAY, state.onePlay);
  check(menu, ID_TOPMOST, state.topMost);
  check(menu, ID_TRANSPARENT, state.transparent);
  setItemText(menu, ID_EXCLUDE_EXT, excludedText);
  return resource;
}

bool MainMenu::pointFor(HWND dialog, LPARAM request, POINT& point) {
  point.x = GET_X_LPARAM(request);
  point.y = GET_Y_LPARAM(request);
  if (point.x == -1 && point.y == -1) {
    point.x = 0;
    point.y = 0;
    ClientToScreen(dialog, &point);
  }
  RECT client = {};
  GetClientRect(dialog, &client);
  POINT topLeft = {client.left, client.top};
  POINT bottomRight = {client.right, client.bottom};
  ClientToScreen(dialog, &topLeft);
  ClientToScreen(dialog, &bottomRight);
  const RECT screenClient = {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
  return PtInRect(&screenClient, point) != FALSE;
}

void MainMenu::show(HINSTANCE instance, HWND dialog, LPARAM request, const PlayerState& state,
                    const std::string& excludedText) {
  POINT point = {};
  if (!pointFor(dialog, request, point)) return;
  HMENU resource = load(instance, state, excludedText);
  if (resource == nullptr) return;
  // Opened by the right button, it may be used with it too.
  TrackPopupMenu(GetSubMenu(resource, 0), TPM_RIGHTBUTTON, point.x, point.y, 0, dialog, nullptr);
  DestroyMenu(resource);
}
