#include "ui/SingleInstance.h"

#include <cstdio>

#include "platform/WideText_win32.h"

namespace {

// The property of the bar that names the settings file it runs on.
constexpr const wchar_t* barProperty = L"Vexmoor.SettingsFile";
constexpr const wchar_t* dialogClass = L"#32770";
// How long a second start looks for the bar of a player that is still starting.
constexpr int barSearchTries = 40;
constexpr DWORD barSearchPause = 50;

std::wstring fullPath(const std::wstring& path) {
  const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return path;
  std::wstring full(size, L'\0');
  const DWORD length = GetFullPathNameW(path.c_str(), size, &full[0], nullptr);
  if (length == 0 || length >= size) return path;
  full.resize(length);
  return full;
}

// The full path as the file system compares it: upper-cased with the invariant
// table, the one of its case-blind comparison.
std::wstring comparablePath(const std::string& name) {
  std::wstring wide;
  if (!fromProcessText(name, wide) || wide.empty()) return wide;
  wide = fullPath(wide);
  std::wstring upper(wide.size(), L'\0');
  const int units = static_cast<int>(wide.size());
  if (LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, wide.data(), units, &upper[0], units, nullptr,
                    nullptr, 0) == units) {
    return upper;
  }
  return wide;
}

// FNV-1a over the UTF-16 units: a path of any length gives a short name.
std::uint64_t hashOf(const std::wstring& text) {
  std::uint64_t hash = 14695981039346656037ULL;
  for (const wchar_t unit : text) {
    hash = (hash ^ static_cast<std::uint16_t>(unit)) * 1099511628211ULL;
  }
  return hash;
}

struct BarSearch {
  std::uint64_t key;
  HWND found;
};

}  // namespace

SingleInstance::SingleInstance(const std::string& settingsName) : key_(hashOf(comparablePath(settingsName))) {
  wchar_t name[64];
  std::swprintf(name, 64, L"Local\\Vexmoor.Settings.%016llx", static_cast<unsigned long long>(key_));
  mutex_ = CreateMutexW(nullptr, FALSE, name);
  // Without a mutex nothing can be told: this start runs as a player of its own.
  claimed_ = mutex_ == nullptr || GetLastError() != ERROR_ALREADY_EXISTS;
}

SingleInstance::~SingleInstance() {
  if (mutex_ != nullptr) CloseHandle(mutex_);
}

void SingleInstance::markBar(HWND window) const {
  SetPropW(window, barProperty, reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(key_)));
}

BOOL CALLBACK SingleInstance::matchBar(HWND window, LPARAM search) {
  auto* bar = reinterpret_cast<BarSearch*>(search);
  wchar_t className[8] = {};
  GetClassNameW(window, className, 8);
  if (lstrcmpW(className, dialogClass) != 0) return TRUE;
  if (reinterpret_cast<std::uintptr_t>(GetPropW(window, barProperty)) != bar->key) return TRUE;
  bar->found = window;
  return FALSE;
}

bool SingleInstance::bringClaimantToFront() const {
  BarSearch search{key_, nullptr};
  for (int tries = 0; tries < barSearchTries && search.found == nullptr; ++tries) {
    if (tries > 0) Sleep(barSearchPause);
    EnumWindows(&SingleInstance::matchBar, reinterpret_cast<LPARAM>(&search));
  }
  if (search.found == nullptr) return false;
  if (IsIconic(search.found)) ShowWindow(search.found, SW_RESTORE);
  SetForegroundWindow(search.found);
  return true;
}
