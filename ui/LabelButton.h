#pragma once
// An owner-drawn push button that paints a bitmap as its background and its
// window text centred over it in a fixed colour. The dialog reflects its
// owner-draw notifications back to it.
#include <windows.h>

#include <string>

#include "ui/SubclassedControl.h"

class LabelButton : public SubclassedControl {
 public:
  bool attach(HWND control) { return subclass(control); }
  // The handle is read at every paint, so the label shows whatever the owner holds then.
  void setBitmap(const HBITMAP& ownersHandle) { bitmap = &ownersHandle; }
  void setTextColor(COLORREF color) { textColor = color; }
  // Shows the name as it stands; the window text holds it with every "&"
  // doubled, as a dialog reads a text without keyboard shortcuts.
  void setText(const std::string& name);

 protected:
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  BOOL draw(const DRAWITEMSTRUCT& item) const;
  LRESULT measure(MEASUREITEMSTRUCT& item) const;

  const HBITMAP* bitmap = nullptr;
  COLORREF textColor = 0;
};
