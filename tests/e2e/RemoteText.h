#pragma once
// Texts of another process's windows, for the e2e programs: read with a timed
// WM_GETTEXT (a plain GetWindowTextA does not reach another process's
// controls) and passed to the test scripts as hexadecimal bytes of the
// reading program's own code page.
#include <windows.h>

#include <cstdlib>
#include <string>

inline std::string windowText(HWND window) {
  char text[2048] = {};
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                           3000, &copied)) {
    return {};
  }
  return std::string(text, copied);
}

inline std::string toHex(const std::string& bytes) {
  static const char digits[] = "0123456789abcdef";
  std::string out;
  for (unsigned char c : bytes) {
    out += digits[c >> 4];
    out += digits[c & 15];
  }
  return out;
}

inline std::string fromHex(const std::string& hex) {
  std::string bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    bytes += static_cast<char>(std::strtoul(hex.substr(i, 2).c_str(), nullptr, 16));
  }
  return bytes;
}
