#pragma once
// A path of the program's text as the UTF-16 path that the media engines open;
// empty when it has no exact UTF-16 form.
#include <string>

#include "platform/WideText_win32.h"

inline std::wstring widePath(const std::string& path) {
  std::wstring wide;
  fromProcessText(path, wide);
  return wide;
}
