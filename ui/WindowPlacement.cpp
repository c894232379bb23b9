#include "ui/WindowPlacement.h"

namespace {
bool isChild(HWND window) { return (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) != 0; }

int clamp(int position, int size, LONG low, LONG high) {
  if (position < low) return low;
  if (position + size > high) return high - size;
  return position;
}

// The work area of the monitor that holds most of the window, or is nearest to it.
RECT workAreaNear(HWND window) {
  RECT work{};
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) {
    work = monitor.rcWork;
  } else {
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  }
  return work;
}
}  // namespace

void centerWindow(HWND window, HWND reference) {
  const bool child = isChild(window);
  if (!reference) reference = child ? GetParent(window) : GetWindow(window, GW_OWNER);

  RECT bounds{};
  RECT around{};
  if (child) {
    HWND parent = GetParent(window);
    GetClientRect(parent, &bounds);
    GetClientRect(reference, &around);
    MapWindowPoints(reference, parent, reinterpret_cast<POINT*>(&around), 2);
  } else {
    if (reference && (!IsWindowVisible(reference) || IsIconic(reference))) reference = nullptr;
    // The screen the reference is on, which need not be the primary one.
    bounds = workAreaNear(reference ? reference : window);
    if (reference) {
      GetWindowRect(reference, &around);
    } else {
      around = bounds;
    }
  }

  RECT own{};
  GetWindowRect(window, &own);
  const int width = own.right - own.left;
  const int height = own.bottom - own.top;
  const int x = clamp((around.left + around.right) / 2 - width / 2, width, bounds.left, bounds.right);
  const int y = clamp((around.top + around.bottom) / 2 - height / 2, height, bounds.top, bounds.bottom);
  SetWindowPos(window, nullptr, x, y, -1, -1, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void resizeClientArea(HWND window, int width, int height) {
  RECT client{};
  GetClientRect(window, &client);
  client.right = width;
  client.bottom = height;
  const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
  const DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE));
  const BOOL hasMenu = !(style & WS_CHILD) && GetMenu(window) != nullptr;
  AdjustWindowRectEx(&client, style, hasMenu, exStyle);
  SetWindowPos(window, nullptr, 0, 0, client.right - client.left, client.bottom - client.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void keepInsideWorkArea(HWND window) {
  // A minimised window is parked off the screens on purpose; restoring places it.
  if (IsIconic(window)) return;
  const RECT work = workAreaNear(window);
  RECT own{};
  if (!GetWindowRect(window, &own)) return;
  const int width = own.right - own.left;
  const int height = own.bottom - own.top;
  const int x = clamp(own.left, width, work.left, work.right);
  const int y = clamp(own.top, height, work.top, work.bottom);
  if (x == own.left && y == own.top) return;
  SetWindowPos(window, nullptr, x, y, -1, -1, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void showWhole(HWND window) {
  // The process's show command is not used: minimised, this tool window would have
  // no button to bring it back, and maximised it would stretch the bar. The first
  // show of a process may still be turned into the starting program's command, so a
  // window that came up minimised or maximised is restored.
  ShowWindow(window, SW_SHOWNORMAL);
  if (IsIconic(window) || IsZoomed(window)) ShowWindow(window, SW_RESTORE);
}
