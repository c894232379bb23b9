#include "NotifyWindow.h"

namespace {

constexpr const char* className = "VexmoorTestNotifyWindow";

}  // namespace

NotifyWindow::NotifyWindow() {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = className;
  RegisterClassA(&windowClass);
  window_ = CreateWindowExA(0, className, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, windowClass.hInstance, this);
}

NotifyWindow::~NotifyWindow() {
  if (window_) DestroyWindow(window_);
}

GraphNotifyTarget NotifyWindow::target() const {
  GraphNotifyTarget target;
  target.window = reinterpret_cast<std::uintptr_t>(window_);
  target.message = graphNotify;
  return target;
}

LRESULT CALLBACK NotifyWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<NotifyWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self && message == graphNotify) {
    ++self->notifications_;
    if (self->handler_) self->handler_();
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

bool NotifyWindow::pumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (!done()) {
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now), QS_ALLINPUT);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  return true;
}

void NotifyWindow::pumpFor(DWORD milliseconds) {
  pumpUntil([] { return false; }, milliseconds);
}
