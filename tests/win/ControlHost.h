#pragma once
// A top-level window that hosts buttons for the window-class tests: it records
// the commands it receives and reflects control notifications like the player's
// main window does.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "ui/Reflection.h"

struct ReceivedCommand {
  WORD id;
  WORD code;
  HWND control;
};

class ControlHost {
 public:
  ControlHost() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "VexmoorControlHost";
    RegisterClassA(&windowClass);
    window = CreateWindowExA(0, windowClass.lpszClassName, "", WS_POPUP, 0, 0, 300, 100, nullptr,
                             nullptr, windowClass.hInstance, this);
  }
  ~ControlHost() { DestroyWindow(window); }
  ControlHost(const ControlHost&) = delete;
  ControlHost& operator=(const ControlHost&) = delete;

  HWND addButton(int id, const char* text, DWORD style = BS_PUSHBUTTON) {
    return CreateWindowExA(0, "BUTTON", text, WS_CHILD | WS_VISIBLE | style, 10 + 40 * (id % 5), 10, 30, 30,
                           window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                           nullptr);
  }

  HWND window = nullptr;
  std::vector<ReceivedCommand> commands;

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
      SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<ControlHost*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self && message == WM_COMMAND) {
      self->commands.push_back({LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)});
      return 0;
    }
    LRESULT result = 0;
    if (self && reflectNotification(window, WindowMessage{message, wParam, lParam}, result)) return result;
    return DefWindowProcA(window, message, wParam, lParam);
  }
};

inline RECT workArea() {
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  return work;
}

inline POINT topLeft(HWND window) {
  RECT frame{};
  GetWindowRect(window, &frame);
  return POINT{frame.left, frame.top};
}

// A 32-bit memory picture to print a control into and read its pixels back.
class Canvas {
 public:
  Canvas(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    dc = CreateCompatibleDC(nullptr);
    previous = SelectObject(dc, bitmap);
  }
  ~Canvas() {
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(bitmap);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  void fill(COLORREF colour, int width, int height) {
    HBRUSH brush = CreateSolidBrush(colour);
    RECT all{0, 0, width, height};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
  }
  COLORREF at(int x, int y) const { return GetPixel(dc, x, y); }

  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;

 private:
  HGDIOBJ previous = nullptr;
};

// The tip window that holds a tool for the control, or null.
inline HWND tipOf(HWND control) {
  struct Search {
    HWND control;
    HWND tip;
  } search{control, nullptr};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM found) -> BOOL {
        char name[64] = {};
        GetClassNameA(window, name, sizeof name);
        auto* s = reinterpret_cast<Search*>(found);
        TTTOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.hwnd = GetParent(s->control);
        tool.uId = reinterpret_cast<UINT_PTR>(s->control);
        if (std::string(name) == TOOLTIPS_CLASSA && SendMessageA(window, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&tool))) {
          s->tip = window;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.tip;
}

inline std::string tipText(HWND tip, HWND control) {
  char text[256] = {};
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.hwnd = GetParent(control);
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = text;
  SendMessageA(tip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
  return text;
}
