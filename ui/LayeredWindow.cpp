#include "ui/LayeredWindow.h"

LayeredWindow::~LayeredWindow() { release(); }

void LayeredWindow::load() {
  if (user32) return;
  user32 = LoadLibraryA("user32.dll");
  if (!user32) return;
  FARPROC found = GetProcAddress(user32, "SetLayeredWindowAttributes");
  setAttributes = reinterpret_cast<SetAttributes>(reinterpret_cast<void*>(found));
}

void LayeredWindow::apply(HWND window, bool transparent) const {
  if (!setAttributes) return;
  const LONG_PTR exStyle = GetWindowLongPtrA(window, GWL_EXSTYLE);
  if (transparent) {
    SetWindowLongPtrA(window, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    setAttributes(window, 0, alpha, LWA_ALPHA);
  } else {
    SetWindowLongPtrA(window, GWL_EXSTYLE, exStyle & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
    // A window that stops being layered keeps no picture of itself: all of it is drawn anew.
    RedrawWindow(window, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
  }
}

void LayeredWindow::release() {
  setAttributes = nullptr;
  if (user32) FreeLibrary(user32);
  user32 = nullptr;
}
