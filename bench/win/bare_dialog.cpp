// The baseline for the player's footprint and start-up time: the player's own
// main-window template, shown by the dialog manager with nothing behind it.
#include <windows.h>

namespace {

INT_PTR CALLBACK bareDialogProcedure(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG ? TRUE : FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  HWND dialog = CreateDialogParamA(instance, MAKEINTRESOURCEA(129), nullptr, bareDialogProcedure, 0);
  if (!dialog) return 0;
  ShowWindow(dialog, show);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageA(dialog, &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  return 0;
}
