#include "ui/DisplayScale.h"

namespace {
// The values of the newer headers, named as there.
constexpr int ddcDisableAll = 0x0001;
constexpr int dcdcDisableFontUpdate = 0x0001;
constexpr int dcdcDisableRelayout = 0x0002;
constexpr int mdtEffectiveDpi = 0;

template <typename Function>
Function lookUp(const char* module, const char* name) {
  HMODULE loaded = GetModuleHandleA(module);
  if (!loaded) loaded = LoadLibraryA(module);
  return loaded ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(loaded, name))) : nullptr;
}

UINT screenDpi() {
  HDC screen = GetDC(nullptr);
  if (!screen) return DisplayScale::designDpi;
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : DisplayScale::designDpi;
}
}  // namespace

int DisplayScale::scaled(int length, UINT dpi) {
  // The design's lengths are never negative, so the division rounds down.
  return static_cast<int>((static_cast<long long>(length) * dpi * 2 + designDpi) / (2 * designDpi));
}

UINT DisplayScale::ofWindow(HWND window) {
  using ForWindow = UINT(WINAPI*)(HWND);
  static const auto forWindow = lookUp<ForWindow>("user32.dll", "GetDpiForWindow");
  if (forWindow && window) {
    if (const UINT dpi = forWindow(window)) return dpi;
  }
  using ForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
  static const auto forMonitor = lookUp<ForMonitor>("shcore.dll", "GetDpiForMonitor");
  if (forMonitor && window) {
    UINT x = 0;
    UINT y = 0;
    if (SUCCEEDED(forMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), mdtEffectiveDpi, &x, &y)) && x) {
      return x;
    }
  }
  return screenDpi();
}

void DisplayScale::keepOwnLayout(HWND dialog) {
  using DialogBehavior = BOOL(WINAPI*)(HWND, int, int);
  static const auto forDialog = lookUp<DialogBehavior>("user32.dll", "SetDialogDpiChangeBehavior");
  using ControlBehavior = BOOL(WINAPI*)(HWND, int, int);
  static const auto forControl = lookUp<ControlBehavior>("user32.dll", "SetDialogControlDpiChangeBehavior");
  if (forDialog) forDialog(dialog, ddcDisableAll, ddcDisableAll);
  if (!forControl) return;
  const int control = dcdcDisableFontUpdate | dcdcDisableRelayout;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    forControl(child, control, control);
  }
}
