#include "TestFolder.h"

#include <cstdlib>
#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>

#include "platform/PosixPath.h"
#endif

namespace {

#ifdef _WIN32
// The path with the prefix that makes Windows take every name as it stands,
// trailing dots and spaces included; path must be absolute.
std::string verbatim(const std::string& path) { return "\\\\?\\" + path; }

void removeTree(const std::string& path) {
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((path + "\\*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      std::string name = data.cFileName;
      if (name == "." || name == "..") continue;
      std::string child = path + "\\" + name;
      SetFileAttributesA(verbatim(child).c_str(), FILE_ATTRIBUTE_NORMAL);
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        removeTree(child);
      } else {
        DeleteFileA(verbatim(child).c_str());
      }
    } while (FindNextFileA(find, &data));
    FindClose(find);
  }
  RemoveDirectoryA(path.c_str());
}
#else
void removeTree(const std::string& path) {
  DIR* dir = opendir(path.c_str());
  if (dir) {
    while (dirent* entry = readdir(dir)) {
      std::string name = entry->d_name;
      if (name == "." || name == "..") continue;
      std::string child = path + "/" + name;
      struct stat info;
      if (lstat(child.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
        removeTree(child);
      } else {
        unlink(child.c_str());
      }
    }
    closedir(dir);
  }
  rmdir(path.c_str());
}
#endif

}  // namespace

TestFolder::TestFolder() {
  static int counter = 0;
#ifdef _WIN32
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string base = temp;
  if (!base.empty() && base.back() == '\\') base.pop_back();
  path_ = base + "\\vexmoor-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
  removeTree(path_);
  if (!CreateDirectoryA(path_.c_str(), nullptr)) throw std::runtime_error("cannot create " + path_);
#else
  const char* tmp = std::getenv("TMPDIR");
  path_ = std::string(tmp && *tmp ? tmp : "/tmp") + "/vexmoor-" + std::to_string(getpid()) + "-" +
          std::to_string(++counter);
  removeTree(path_);
  if (mkdir(path_.c_str(), 0755) != 0) throw std::runtime_error("cannot create " + path_);
#endif
}

TestFolder::~TestFolder() {
#ifdef _WIN32
  removeTree(path_);
#else
  removeTree(toPosixPath(path_));
#endif
}

std::string TestFolder::file(const std::string& relative, const std::string& bytes) const {
  std::string full = join(relative);
#ifdef _WIN32
  const char last = relative.empty() ? '\0' : relative.back();
  const std::string opened = last == '.' || last == ' ' ? verbatim(full) : full;
  HANDLE handle = CreateFileA(opened.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot create " + full);
  DWORD written = 0;
  if (!bytes.empty()) WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(handle);
#else
  int fd = open(toPosixPath(full).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) throw std::runtime_error("cannot create " + full);
  if (!bytes.empty() && write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
    close(fd);
    throw std::runtime_error("cannot write " + full);
  }
  close(fd);
#endif
  return full;
}

std::string TestFolder::folder(const std::string& relative) const {
  std::string full = join(relative);
  test_files::makeFolder(full);
  return full;
}

namespace test_files {

std::string read(const std::string& path) {
  std::string bytes;
#ifdef _WIN32
  HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return bytes;
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(handle, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(handle);
#else
  int fd = open(toPosixPath(path).c_str(), O_RDONLY);
  if (fd < 0) return bytes;
  char buffer[65536];
  ssize_t got;
  while ((got = ::read(fd, buffer, sizeof buffer)) > 0) bytes.append(buffer, static_cast<std::size_t>(got));
  close(fd);
#endif
  return bytes;
}

bool exists(const std::string& path) {
#ifdef _WIN32
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
#else
  struct stat info;
  return stat(toPosixPath(path).c_str(), &info) == 0;
#endif
}

void setTimes(const std::string& path, std::uint64_t lastWrite, std::uint64_t lastAccess) {
#ifdef _WIN32
  HANDLE handle = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot open " + path);
  FILETIME write{static_cast<DWORD>(lastWrite), static_cast<DWORD>(lastWrite >> 32)};
  FILETIME access{static_cast<DWORD>(lastAccess), static_cast<DWORD>(lastAccess >> 32)};
  SetFileTime(handle, nullptr, &access, &write);
  CloseHandle(handle);
#else
  constexpr std::uint64_t epochOffset = 116444736000000000ULL;  // 1601 to 1970 in 100 ns
  auto toTimespec = [](std::uint64_t fileTime) {
    std::uint64_t since1970 = fileTime - epochOffset;
    timespec spec;
    spec.tv_sec = static_cast<time_t>(since1970 / 10000000ULL);
    spec.tv_nsec = static_cast<long>((since1970 % 10000000ULL) * 100);
    return spec;
  };
  timespec times[2] = {toTimespec(lastAccess), toTimespec(lastWrite)};
  if (utimensat(AT_FDCWD, toPosixPath(path).c_str(), times, 0) != 0) {
    throw std::runtime_error("cannot set times of " + path);
  }
#endif
}

bool makeFolder(const std::string& path) {
#ifdef _WIN32
  return CreateDirectoryA(path.c_str(), nullptr) != FALSE;
#else
  return mkdir(toPosixPath(path).c_str(), 0755) == 0;
#endif
}

bool removeFolder(const std::string& path) {
#ifdef _WIN32
  return RemoveDirectoryA(path.c_str()) != FALSE;
#else
  return rmdir(toPosixPath(path).c_str()) == 0;
#endif
}

void setHiddenAndSystem(const std::string& path) {
#ifdef _WIN32
  if (!SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) {
    throw std::runtime_error("cannot hide " + path);
  }
#else
  (void)path;
#endif
}

CurrentFolder::CurrentFolder(const std::string& folder) {
#ifdef _WIN32
  char current[MAX_PATH];
  DWORD length = GetCurrentDirectoryA(MAX_PATH, current);
  if (length == 0 || length >= MAX_PATH || !SetCurrentDirectoryA(folder.c_str())) return;
  previous_.assign(current, length);
#else
  char current[4096];
  if (!getcwd(current, sizeof current) || chdir(toPosixPath(folder).c_str()) != 0) return;
  previous_ = current;
#endif
}

CurrentFolder::~CurrentFolder() {
  if (previous_.empty()) return;
#ifdef _WIN32
  SetCurrentDirectoryA(previous_.c_str());
#else
  if (chdir(previous_.c_str()) != 0) std::abort();
#endif
}

Holder::Holder(const std::string& path) {
#ifdef _WIN32
  HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle != INVALID_HANDLE_VALUE) handle_ = reinterpret_cast<intptr_t>(handle);
#else
  int fd = open(toPosixPath(path).c_str(), O_RDONLY);
  if (fd >= 0 && flock(fd, LOCK_EX | LOCK_NB) == 0) {
    handle_ = fd;
  } else if (fd >= 0) {
    close(fd);
  }
#endif
}

Holder::~Holder() {
  if (handle_ == -1) return;
#ifdef _WIN32
  CloseHandle(reinterpret_cast<HANDLE>(static_cast<intptr_t>(handle_)));
#else
  close(static_cast<int>(handle_));
#endif
}

std::string readOnlyFolder() {
  const char* folder = std::getenv("VEXMOOR_READONLY_FOLDER");
  return folder ? folder : "";
}

}  // namespace test_files
