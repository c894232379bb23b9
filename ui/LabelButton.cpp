#include "ui/LabelButton.h"

#include "ui/MenuText.h"
#include "ui/Reflection.h"

void LabelButton::setText(const std::string& name) {
  // A lone "&" would make the next letter a key that clicks the label.
  SetWindowTextA(window(), MenuText::of(name).c_str());
}

LRESULT LabelButton::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case reflectionOffset + WM_DRAWITEM:
      return draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case reflectionOffset + WM_DELETEITEM:
      return 1;
    case reflectionOffset + WM_COMPAREITEM:
      return 0;
    case reflectionOffset + WM_MEASUREITEM:
      return measure(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    default:
      if (isReflected(message)) return DefWindowProcA(window(), message - reflectionOffset, wParam, lParam);
      return callStandard(message, wParam, lParam);
  }
}

BOOL LabelButton::draw(const DRAWITEMSTRUCT& item) const {
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
  // Drawn from UTF-16: DrawTextA would read the text in the code page of the
  // font's character set (Japanese), not in the process's, which may be UTF-8.
  wchar_t text[1000];
  const int length = GetWindowTextW(window(), text, static_cast<int>(sizeof text / sizeof text[0]));
  // The window text holds every "&" doubled (setText), so drawn with prefix
  // processing it shows the name as it stands.
  DrawTextW(dc, text, length, &textArea, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
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
