#pragma once
// An owner-drawn push button that paints a bitmap as its background and its
// window text centred over it in a fixed colour, in fonts that hold the text's
// characters, with a tip that shows the whole text. The dialog reflects its
// owner-draw notifications back to it.
#include <windows.h>

#include <string>

#include "ui/ControlTip.h"
#include "ui/LabelFont.h"
#include "ui/SubclassedControl.h"

class LabelButton : public SubclassedControl {
 public:
  bool attach(HWND control);
  // The handle is read at every paint, so the label shows whatever the owner holds then.
  void setBitmap(const HBITMAP& ownersHandle) { bitmap = &ownersHandle; }
  void setTextColor(COLORREF color) { textColor = color; }
  // Shows the name as it stands; the window text holds it with every "&"
  // doubled, as a dialog reads a text without keyboard shortcuts. The tip
  // shows it whole where the label cuts it.
  void setText(const std::string& name);
  // The text's font at the resolution of the monitor the bar is on.
  void setDpi(UINT dpi);

 protected:
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  BOOL draw(const DRAWITEMSTRUCT& item);
  LRESULT measure(MEASUREITEMSTRUCT& item) const;
  void takeFont(HFONT font);

  const HBITMAP* bitmap = nullptr;
  COLORREF textColor = 0;
  LabelFont fonts;
  ControlTip textTip;
};
