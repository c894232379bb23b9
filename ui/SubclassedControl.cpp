#include "ui/SubclassedControl.h"

namespace {
const char* const objectProperty = "Vexmoor.Control";
}

SubclassedControl::~SubclassedControl() { unsubclass(); }

bool SubclassedControl::subclass(HWND window) {
  if (!window || control) return false;
  if (!SetPropA(window, objectProperty, this)) return false;
  control = window;
  standardProcedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&windowProcedure)));
  return true;
}

void SubclassedControl::unsubclass() {
  if (!control) return;
  if (IsWindow(control)) {
    SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(standardProcedure));
    RemovePropA(control, objectProperty);
  }
  control = nullptr;
}

LRESULT SubclassedControl::callStandard(UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcA(standardProcedure, control, message, wParam, lParam);
}

LRESULT CALLBACK SubclassedControl::windowProcedure(HWND window, UINT message, WPARAM wParam,
                                                    LPARAM lParam) {
  auto* self = static_cast<SubclassedControl*>(GetPropA(window, objectProperty));
  if (!self) return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    WNDPROC standard = self->standardProcedure;
    self->unsubclass();
    return CallWindowProcA(standard, window, message, wParam, lParam);
  }
  return self->handle(message, wParam, lParam);
}
