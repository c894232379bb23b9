#pragma once
// The About box: icon, title, version and rights notice, modal over the window
// that is active when it opens.
#include <windows.h>

#include "resources/resource.h"
#include "ui/MessageMap.h"

class AboutDialog {
 public:
  static constexpr int templateId = IDD_ABOUTBOX;

  static const MessageMap<AboutDialog>& messageMap() {
    using Map = MessageMap<AboutDialog>;
    static const Map map{
        Map::message(WM_INITDIALOG, &AboutDialog::onInitDialog),
        Map::command(IDOK, &AboutDialog::onClose),
        Map::command(IDCANCEL, &AboutDialog::onClose),
    };
    return map;
  }

  // Runs the box until OK, Enter, Escape or its close button ends it.
  static void run(HINSTANCE instance);

  // Called by the dialog procedure at the first and the last message.
  void bind(HWND window) { dialog = window; }

 private:
  LRESULT onInitDialog(const WindowMessage& m);
  void onClose(const WindowMessage& m);

  HWND dialog = nullptr;
};
