#include "ui/ControlTip.h"

#include <commctrl.h>

#include "ui/Module.h"

void ControlTip::attach(HWND owner) {
  destroy();
  control = owner;
}

void ControlTip::createWindow() {
  // The tip has no owner: under Wine a window that owns pop-ups can no longer be
  // put back on top of the others, which would break always-on-top. The control
  // destroys its tip itself.
  tip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                        Module::instance(), nullptr);
  if (!tip) return;
  SendMessageA(tip, TTM_ACTIVATE, TRUE, 0);
  registerTool();
}

void ControlTip::setText(const std::string& text) {
  tipText = text;
  if (!tip) return;
  if (text.empty()) {
    SendMessageA(tip, TTM_ACTIVATE, FALSE, 0);
    return;
  }
  SendMessageA(tip, TTM_ACTIVATE, TRUE, 0);
  registerTool();
}

void ControlTip::registerTool() const {
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.uFlags = TTF_IDISHWND;
  tool.hwnd = GetParent(control);
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.hinst = Module::instance();
  tool.lpszText = const_cast<char*>(tipText.c_str());
  // One tool per control: a new text replaces the tool rather than adding a second one
  // that the tip would never find.
  SendMessageA(tip, TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void ControlTip::relay(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!control || message < WM_MOUSEFIRST || message > WM_MBUTTONDBLCLK) return;
  // Seven tip windows would cost the start more than the rest of the bar's controls.
  if (!tip && !tipText.empty()) createWindow();
  if (!tip) return;
  MSG relayed{};
  relayed.hwnd = control;
  relayed.message = message;
  relayed.wParam = wParam;
  relayed.lParam = lParam;
  SendMessageA(tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

void ControlTip::destroy() {
  if (tip) DestroyWindow(tip);
  tip = nullptr;
  control = nullptr;
}
