#include "platform/WidePath_win32.h"

#include <windows.h>

std::wstring widePath(const std::string& ansiPath) {
  int length = MultiByteToWideChar(CP_ACP, 0, ansiPath.c_str(), -1, nullptr, 0);
  if (length <= 0) return std::wstring();
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansiPath.c_str(), -1, &wide[0], length);
  wide.resize(static_cast<std::size_t>(length - 1));
  return wide;
}
