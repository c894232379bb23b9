#include "ui/SingleInstance.h"

#include <cstdio>

#include "platform/WideText_win32.h"

namespace {

// The property of the bar that names the claim it runs on.
constexpr const wchar_t* barProperty = L"Vexmoor.SettingsFile";
constexpr const wchar_t* dialogClass = L"#32770";
// How long a later start waits for a player that is starting (its bar comes
// up) or ending (its claim ends), and how often it looks.
constexpr ULONGLONG turnWait = 10000;
constexpr DWORD turnPause = 50;
// FileIdInfo and its FILE_ID_INFO, which the headers for the oldest supported
// system leave out; systems before it refuse the class and the older call answers.
constexpr auto fileIdInfoClass = static_cast<FILE_INFO_BY_HANDLE_CLASS>(18);
struct FileIdInfo {
  ULONGLONG volumeSerialNumber;
  BYTE fileId[16];
};

// FNV-1a: any name or identity gives a short name.
std::uint64_t hashOf(const void* data, std::size_t size, std::uint64_t hash = 14695981039346656037ULL) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  for (std::size_t i = 0; i < size; ++i) hash = (hash ^ bytes[i]) * 1099511628211ULL;
  return hash;
}

// The full path of the settings file, and where its folder ends in it.
bool fullPath(const std::string& name, std::wstring& full, std::size_t& folderLength) {
  std::wstring wide;
  if (!fromProcessText(name, wide) || wide.empty()) return false;
  const DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (size == 0) return false;
  full.assign(size, L'\0');
  wchar_t* filePart = nullptr;
  const DWORD length = GetFullPathNameW(wide.c_str(), size, &full[0], &filePart);
  if (length == 0 || length >= size || filePart == nullptr) return false;
  full.resize(length);
  folderLength = static_cast<std::size_t>(filePart - full.data());
  return true;
}

// The volume and file id of the folder: the same for every path that reaches it.
bool folderIdentity(const std::wstring& folder, std::uint64_t& key) {
  HANDLE handle = CreateFileW(folder.c_str(), FILE_READ_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  FileIdInfo id{};
  BY_HANDLE_FILE_INFORMATION info{};
  bool known = true;
  if (GetFileInformationByHandleEx(handle, fileIdInfoClass, &id, sizeof id)) {
    key = hashOf(&id, sizeof id);
  } else if (GetFileInformationByHandle(handle, &info)) {
    const DWORD identity[] = {info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
    key = hashOf(identity, sizeof identity);
  } else {
    known = false;
  }
  CloseHandle(handle);
  return known;
}

// The full path as the file system compares it: upper-cased with the invariant
// table, the one of its case-blind comparison.
std::uint64_t pathKey(const std::wstring& full) {
  std::wstring upper(full.size(), L'\0');
  const int units = static_cast<int>(full.size());
  const bool mapped = LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, full.data(), units, &upper[0], units,
                                    nullptr, nullptr, 0) == units;
  const std::wstring& text = mapped ? upper : full;
  return hashOf(text.data(), text.size() * sizeof(wchar_t));
}

// The folder's identity; its path only when the folder cannot be opened.
std::uint64_t claimKey(const std::string& settingsName) {
  std::wstring full;
  std::size_t folderLength = 0;
  if (!fullPath(settingsName, full, folderLength)) return pathKey(L"");
  std::uint64_t key = 0;
  return folderIdentity(full.substr(0, folderLength), key) ? key : pathKey(full);
}

struct BarSearch {
  std::uint64_t key;
  HWND found;
};

}  // namespace

SingleInstance::SingleInstance(const std::string& settingsName) : key_(claimKey(settingsName)) {
  wchar_t name[64];
  std::swprintf(name, 64, L"Local\\Vexmoor.Settings.%016llx", static_cast<unsigned long long>(key_));
  name_ = name;
  mutex_ = CreateMutexW(nullptr, FALSE, name_.c_str());
  // A mutex that exists but will not open (a player started with other rights)
  // is a claim; without a mutex for any other reason nothing can be told, and
  // this start runs as a player of its own.
  if (mutex_ == nullptr) {
    claimed_ = GetLastError() != ERROR_ACCESS_DENIED;
    return;
  }
  claimed_ = takeMutex(0);
}

SingleInstance::~SingleInstance() { release(); }

bool SingleInstance::takeMutex(DWORD wait) {
  if (mutex_ == nullptr) {
    // A claim that would not open: poll until it is gone and the name is free.
    mutex_ = CreateMutexW(nullptr, FALSE, name_.c_str());
    if (mutex_ == nullptr) {
      Sleep(wait);
      return false;
    }
  }
  // Abandoned: the claimant ended without giving it up, the claim is free.
  const DWORD result = WaitForSingleObject(mutex_, wait);
  return result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
}

bool SingleInstance::awaitTurn() {
  const ULONGLONG deadline = GetTickCount64() + turnWait;
  do {
    if (askBarForward()) return false;
    if (takeMutex(turnPause)) {
      claimed_ = true;
      return true;
    }
  } while (GetTickCount64() < deadline);
  return false;
}

void SingleInstance::release() {
  if (mutex_ == nullptr) return;
  if (claimed_) ReleaseMutex(mutex_);
  CloseHandle(mutex_);
  mutex_ = nullptr;
  claimed_ = false;
}

void SingleInstance::markBar(HWND window) const {
  SetPropW(window, barProperty, reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(key_)));
}

void SingleInstance::unmarkBar(HWND window) { RemovePropW(window, barProperty); }

BOOL CALLBACK SingleInstance::matchBar(HWND window, LPARAM search) {
  auto* bar = reinterpret_cast<BarSearch*>(search);
  wchar_t className[8] = {};
  GetClassNameW(window, className, 8);
  if (lstrcmpW(className, dialogClass) != 0) return TRUE;
  if (reinterpret_cast<std::uintptr_t>(GetPropW(window, barProperty)) != bar->key) return TRUE;
  bar->found = window;
  return FALSE;
}

bool SingleInstance::askBarForward() const {
  BarSearch search{key_, nullptr};
  EnumWindows(&SingleInstance::matchBar, reinterpret_cast<LPARAM>(&search));
  if (search.found == nullptr) return false;
  // Only the bar's own process can restore and activate it without waiting on
  // it; this start, which the user just made, lends it the right to come to the front.
  DWORD process = 0;
  GetWindowThreadProcessId(search.found, &process);
  if (process != 0) AllowSetForegroundWindow(process);
  PostMessageW(search.found, WM_COMEFORWARD, 0, 0);
  return true;
}
