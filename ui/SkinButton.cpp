#include "ui/SkinButton.h"

#include "ui/WindowPlacement.h"

SkinButton::~SkinButton() {
  if (images) ImageList_Destroy(images);
}

bool SkinButton::attach(HWND control) {
  if (!subclass(control)) return false;
  SetWindowLongPtrA(control, GWL_STYLE, GetWindowLongPtrA(control, GWL_STYLE) | BS_OWNERDRAW);
  tip.attach(control);
  if (images && in(autoSize)) sizeToImage();
  return true;
}

HIMAGELIST SkinButton::setImageList(HIMAGELIST list) {
  HIMAGELIST previous = images;
  images = list;
  if (in(autoSize) && window()) sizeToImage();
  return previous;
}

void SkinButton::setImages(int normalImage, int pressedImage, int hoverImage, int disabledImage) {
  imageIndex[normal] = normalImage;
  imageIndex[pressedState] = pressedImage;
  imageIndex[hover] = hoverImage;
  imageIndex[disabled] = disabledImage;
}

bool SkinButton::setToolTipText(const std::string& text) {
  tip.setText(text);
  return true;
}

void SkinButton::sizeToImage() const {
  int width = 0;
  int height = 0;
  if (ImageList_GetIconSize(images, &width, &height)) resizeClientArea(window(), width, height);
}

int SkinButton::imageToDraw() const {
  int index = -1;
  if (pressed) {
    index = imageIndex[pressedState];
  } else if (in(hoverMode) ? mouseOver : focused) {
    index = imageIndex[hover];
  } else if (!IsWindowEnabled(window())) {
    index = imageIndex[disabled];
  }
  return index == -1 ? imageIndex[normal] : index;
}

void SkinButton::draw(HDC dc) const {
  if (images) ImageList_Draw(images, imageToDraw(), dc, 0, 0, ILD_NORMAL);
}

void SkinButton::paint(WPARAM dcGiven) {
  if (dcGiven) {
    draw(reinterpret_cast<HDC>(dcGiven));
    return;
  }
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window(), &ps);
  if (dc) draw(dc);
  EndPaint(window(), &ps);
}

void SkinButton::repaint() const {
  InvalidateRect(window(), nullptr, TRUE);
  UpdateWindow(window());
}

LRESULT SkinButton::onMouseMove(WPARAM wParam, LPARAM lParam) {
  if (holdsCapture()) {
    POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ClientToScreen(window(), &point);
    RECT bounds{};
    GetWindowRect(window(), &bounds);
    const bool inside = PtInRect(&bounds, point) != 0;
    if (pressed != inside) {
      pressed = inside;
      repaint();
    }
  } else if (in(hoverMode) && !mouseOver) {
    mouseOver = true;
    repaint();
    TRACKMOUSEEVENT leave{};
    leave.cbSize = sizeof leave;
    leave.dwFlags = TME_LEAVE;
    leave.hwndTrack = window();
    _TrackMouseEvent(&leave);
  }
  return callStandard(WM_MOUSEMOVE, wParam, lParam);
}

LRESULT SkinButton::onLeftButtonUp(WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!in(hoverMode)) result = callStandard(WM_LBUTTONUP, wParam, lParam);
  if (holdsCapture()) {
    HWND self = window();
    if (in(hoverMode) && pressed) {
      // Sent while the capture is still held, so the handler runs under the pressed image.
      SendMessageA(GetParent(self), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(self), BN_CLICKED),
                   reinterpret_cast<LPARAM>(self));
    }
    ReleaseCapture();
  }
  return result;
}

LRESULT SkinButton::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  tip.relay(message, wParam, lParam);

  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
    case WM_PRINTCLIENT:
      paint(wParam);
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      focused = message == WM_SETFOCUS;
      repaint();
      return callStandard(message, wParam, lParam);
    case WM_ENABLE:
      repaint();
      return callStandard(message, wParam, lParam);
    case WM_LBUTTONDOWN: {
      LRESULT result = 0;
      if (in(hoverMode)) {
        SetCapture(window());
      } else {
        result = callStandard(message, wParam, lParam);
      }
      if (holdsCapture()) {
        pressed = true;
        repaint();
      }
      return result;
    }
    case WM_LBUTTONDBLCLK: {
      LRESULT result = in(hoverMode) ? 0 : callStandard(message, wParam, lParam);
      if (!holdsCapture()) SetCapture(window());
      if (!pressed) {
        pressed = true;
        repaint();
      }
      return result;
    }
    case WM_MOUSEMOVE:
      return onMouseMove(wParam, lParam);
    case WM_MOUSELEAVE:
      if (mouseOver) {
        mouseOver = false;
        repaint();
      }
      return 0;
    case WM_LBUTTONUP:
      return onLeftButtonUp(wParam, lParam);
    case WM_CAPTURECHANGED:
      if (pressed) {
        pressed = false;
        repaint();
      }
      return callStandard(message, wParam, lParam);
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (wParam != VK_SPACE) break;
      if (in(hoverMode)) return 0;
      if (pressed != (message == WM_KEYDOWN)) {
        pressed = message == WM_KEYDOWN;
        repaint();
      }
      return callStandard(message, wParam, lParam);
    case WM_UPDATEUISTATE:
      return 0;
    case WM_DESTROY:
      // The tip goes with its button.
      tip.destroy();
      break;
    default:
      break;
  }
  return callStandard(message, wParam, lParam);
}
