#include "ui/DialogProcedure.h"

#include "ui/Reflection.h"

INT_PTR dialogProcedureResult(HWND dialog, UINT message, LRESULT result) {
  if (isColourRequest(message)) return static_cast<INT_PTR>(result);
  switch (message) {
    case WM_INITDIALOG:
    case WM_CHARTOITEM:
    case WM_VKEYTOITEM:
    case WM_COMPAREITEM:
    case WM_QUERYDRAGICON:
      return static_cast<INT_PTR>(result);
    default:
      SetWindowLongPtrA(dialog, DWLP_MSGRESULT, result);
      return TRUE;
  }
}
