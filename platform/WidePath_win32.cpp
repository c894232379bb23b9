#include "platform/WidePath_win32.h"

#include <windows.h>

#include "platform/WideText_win32.h"

namespace {

bool startsWith(const std::wstring& text, const wchar_t* prefix) { return text.rfind(prefix, 0) == 0; }

}  // namespace

std::wstring widePath(const std::string& path) {
  std::wstring wide;
  if (!fromProcessText(path, wide)) return std::wstring();
  return extendedLengthPath(wide);
}

// A short path relative to a deep current folder needs the long form as well.
std::wstring extendedLengthPath(const std::wstring& path) {
  if (path.empty() || startsWith(path, L"\\\\?\\") || startsWith(path, L"\\\\.\\")) return path;
  const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (needed <= MAX_PATH) return path;
  std::wstring full(needed, L'\0');
  const DWORD length = GetFullPathNameW(path.c_str(), needed, &full[0], nullptr);
  if (length == 0 || length >= needed) return path;
  full.resize(length);
  if (startsWith(full, L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
  return L"\\\\?\\" + full;
}
