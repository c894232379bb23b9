#include "ui/Reflection.h"

bool isReflectable(UINT message) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_PARENTNOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_COMPAREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      return true;
    default:
      return false;
  }
}

bool isReflected(UINT message) { return message >= reflectionOffset && isReflectable(message - reflectionOffset); }

namespace {
HWND namedControl(HWND dialog, const WindowMessage& m) {
  switch (m.id) {
    case WM_COMMAND:
      return m.control();
    case WM_NOTIFY:
      return m.lParam ? reinterpret_cast<const NMHDR*>(m.lParam)->hwndFrom : nullptr;
    case WM_PARENTNOTIFY:
      if (LOWORD(m.wParam) == WM_CREATE || LOWORD(m.wParam) == WM_DESTROY) return m.control();
      return GetDlgItem(dialog, HIWORD(m.wParam));
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(m.lParam);
      return item && item->CtlType != ODT_MENU ? item->hwndItem : nullptr;
    }
    case WM_MEASUREITEM: {
      const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(m.lParam);
      return item && item->CtlType != ODT_MENU ? GetDlgItem(dialog, static_cast<int>(item->CtlID)) : nullptr;
    }
    case WM_COMPAREITEM: {
      const auto* item = reinterpret_cast<const COMPAREITEMSTRUCT*>(m.lParam);
      return item && item->CtlType != ODT_MENU ? item->hwndItem : nullptr;
    }
    case WM_DELETEITEM: {
      const auto* item = reinterpret_cast<const DELETEITEMSTRUCT*>(m.lParam);
      return item && item->CtlType != ODT_MENU ? item->hwndItem : nullptr;
    }
    default:
      return isReflectable(m.id) ? m.control() : nullptr;
  }
}
}  // namespace

HWND controlConcerned(HWND dialog, const WindowMessage& m) {
  HWND control = namedControl(dialog, m);
  // Only the dialog's own children: a colour request names the dialog itself.
  return control && IsChild(dialog, control) ? control : nullptr;
}

bool reflectNotification(HWND dialog, const WindowMessage& m, LRESULT& result) {
  HWND control = controlConcerned(dialog, m);
  if (!control) return false;
  result = SendMessageA(control, m.id + reflectionOffset, m.wParam, m.lParam);
  return true;
}
