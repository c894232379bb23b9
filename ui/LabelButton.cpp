#include "ui/LabelButton.h"

#include "ui/FallbackText.h"
#include "ui/MenuText.h"
#include "ui/Reflection.h"

bool LabelButton::attach(HWND control) {
  if (!subclass(control)) return false;
  takeFont(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
  textTip.attach(control);
  return true;
}

void LabelButton::takeFont(HFONT font) {
  // The dialog manager makes its font for the resolution of the screen.
  HDC screen = GetDC(nullptr);
  const int screenDpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  // A control without a font of its own draws in the system font.
  fonts.take(font ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT)), static_cast<UINT>(screenDpi));
}

void LabelButton::setText(const std::string& name) {
  // A lone "&" would make the next letter a key that clicks the label.
  SetWindowTextA(window(), MenuText::of(name).c_str());
  textTip.setText(name);
}

void LabelButton::setDpi(UINT dpi) {
  fonts.setDpi(dpi);
  InvalidateRect(window(), nullptr, FALSE);
}

LRESULT LabelButton::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  textTip.relay(message, wParam, lParam);
  switch (message) {
    case reflectionOffset + WM_DRAWITEM:
      return draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case reflectionOffset + WM_DELETEITEM:
      return 1;
    case reflectionOffset + WM_COMPAREITEM:
      return 0;
    case reflectionOffset + WM_MEASUREITEM:
      return measure(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    case WM_SETFONT:
      takeFont(reinterpret_cast<HFONT>(wParam));
      return callStandard(message, wParam, lParam);
    case WM_DESTROY:
      // The tip goes with its label.
      textTip.destroy();
      return callStandard(message, wParam, lParam);
    default:
      if (isReflected(message)) return DefWindowProcA(window(), message - reflectionOffset, wParam, lParam);
      return callStandard(message, wParam, lParam);
  }
}

BOOL LabelButton::draw(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  SaveDC(dc);
  RECT textArea = item.rcItem;
  OffsetRect(&textArea, 0, -1);

  if (bitmap && *bitmap) {
    BITMAP size{};
    GetObjectA(*bitmap, sizeof size, &size);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memory, *bitmap);
    BitBlt(dc, 0, 0, size.bmWidth, size.bmHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
  }

  SetTextColor(dc, textColor);
  SetBkMode(dc, TRANSPARENT);
  // Read in UTF-16: the process's code page may be UTF-8 and the font's is Japanese.
  const int length = GetWindowTextLengthW(window());
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window(), &text[0], length + 1)));
  FallbackText::drawCentred(dc, fonts, FallbackText::withoutPrefixes(text), textArea);
  RestoreDC(dc, -1);
  return TRUE;
}

LRESULT LabelButton::measure(MEASUREITEMSTRUCT& item) const {
  if (item.CtlType == ODT_MENU) {
    item.itemHeight = static_cast<UINT>(GetSystemMetrics(SM_CYMENU));
    return 1;
  }
  HDC dc = GetDC(window());
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  ReleaseDC(window(), dc);
  item.itemHeight = static_cast<UINT>(metrics.tmHeight);
  return 1;
}
