#pragma once
// A control of a dialog template taken over by an object: its window procedure
// is replaced, and what the object does not handle goes on to the procedure the
// control had before. The control returns to that procedure when it is destroyed.
#include <windows.h>

class SubclassedControl {
 public:
  SubclassedControl() = default;
  virtual ~SubclassedControl();
  SubclassedControl(const SubclassedControl&) = delete;
  SubclassedControl& operator=(const SubclassedControl&) = delete;

  HWND window() const { return control; }

 protected:
  bool subclass(HWND window);
  virtual LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) = 0;
  LRESULT callStandard(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void unsubclass();

  HWND control = nullptr;
  WNDPROC standardProcedure = nullptr;
};
