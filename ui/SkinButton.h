#pragma once
// A push button drawn from a strip of four images (normal, pressed, hover,
// disabled) with hover tracking, a click of its own on release, and its own
// tool tip.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "ui/ControlTip.h"
#include "ui/SubclassedControl.h"

class SkinButton : public SubclassedControl {
 public:
  enum Style : unsigned {
    // The control takes the size of one image when it gets an image list.
    autoSize = 1,
    // Hover image under the cursor; the click comes on release; space is ignored.
    hoverMode = 2,
  };
  enum State { normal = 0, pressedState = 1, hover = 2, disabled = 3 };

  SkinButton() = default;
  ~SkinButton() override;

  bool attach(HWND control);
  // Takes the list; the previous one goes back to the caller.
  HIMAGELIST setImageList(HIMAGELIST list);
  HIMAGELIST imageList() const { return images; }
  void setImages(int normalImage, int pressedImage, int hoverImage, int disabledImage);
  void setStyle(unsigned flags) { style = flags; }
  // Empty text: no tip.
  bool setToolTipText(const std::string& text);

 protected:
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool in(unsigned flag) const { return (style & flag) != 0; }
  bool holdsCapture() const { return GetCapture() == window(); }
  int imageToDraw() const;
  void draw(HDC dc) const;
  void paint(WPARAM dcGiven);
  void repaint() const;
  void sizeToImage() const;
  LRESULT onMouseMove(WPARAM wParam, LPARAM lParam);
  LRESULT onLeftButtonUp(WPARAM wParam, LPARAM lParam);

  HIMAGELIST images = nullptr;
  int imageIndex[4] = {-1, -1, -1, -1};
  unsigned style = autoSize;
  bool mouseOver = false;
  bool focused = false;
  bool pressed = false;
  ControlTip tip;
};
