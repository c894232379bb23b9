#pragma once
// The dialog procedure of a window class with a message map: it binds the object
// that waits for the dialog being created on this thread at the dialog's first
// message, then routes every message through the class's map.
#include <windows.h>

#include "ui/MessageMap.h"
#include "ui/PendingDialogs.h"

// What a handled message returns from a dialog procedure: most results go into
// DWLP_MSGRESULT, a few messages return theirs directly.
INT_PTR dialogProcedureResult(HWND dialog, UINT message, LRESULT result);

// Dialog needs: static const MessageMap<Dialog>& messageMap(); void bind(HWND);
template <class Dialog>
INT_PTR CALLBACK dialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
  if (!self) {
    self = static_cast<Dialog*>(PendingDialogs::take());
    if (!self) return FALSE;
    SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    self->bind(dialog);
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(dialog, DWLP_USER, 0);
    self->bind(nullptr);
    return FALSE;
  }
  LRESULT result = 0;
  if (!Dialog::messageMap().dispatch(*self, WindowMessage{message, wParam, lParam}, result)) return FALSE;
  return dialogProcedureResult(dialog, message, result);
}
