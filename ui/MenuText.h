#pragma once
// Names shown as menu items and as the texts of the window's labels.
#include <string>

class MenuText {
 public:
  // The item text that shows name exactly: a menu or a dialog takes "&" as the
  // mark of the next character's access key, so every "&" is doubled. The byte of "&" is
  // never the trail byte of a double-byte character.
  static std::string of(const std::string& name);
};
