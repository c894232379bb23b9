#include "platform/File.h"

#include "platform/File_win32.h"

namespace file {
namespace {

ReadFunction readFile = &ReadFile;

HANDLE toHandle(long long value) { return reinterpret_cast<HANDLE>(static_cast<intptr_t>(value)); }

// What Windows reports for a file that another program keeps open unshared,
// and for one that is being deleted (it stays until its last holder lets go).
Attempt failure() {
  const DWORD error = GetLastError();
  if (error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED || error == ERROR_LOCK_VIOLATION ||
      error == ERROR_DELETE_PENDING) {
    return Attempt::held;
  }
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? Attempt::missing : Attempt::failed;
}

}  // namespace

ReadFunction replaceRead(ReadFunction read) {
  ReadFunction previous = readFile;
  readFile = read;
  return previous;
}

ExclusiveReader::~ExclusiveReader() { close(); }

void ExclusiveReader::close() {
  if (handle_ != -1) CloseHandle(toHandle(handle_));
  handle_ = -1;
}

Attempt ExclusiveReader::open(const std::string& path) {
  if (handle_ != -1) return Attempt::failed;
  HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return failure();
  handle_ = static_cast<long long>(reinterpret_cast<intptr_t>(handle));
  return Attempt::done;
}

bool ExclusiveReader::readAll(std::string& contents) {
  contents.clear();
  if (handle_ == -1) return false;
  LARGE_INTEGER size;
  if (!GetFileSizeEx(toHandle(handle_), &size) || size.QuadPart < 0 ||
      size.QuadPart > static_cast<LONGLONG>(MAXDWORD)) {
    return false;
  }
  if (size.QuadPart == 0) return true;
  contents.resize(static_cast<std::size_t>(size.QuadPart));
  DWORD got = 0;
  if (readFile(toHandle(handle_), &contents[0], static_cast<DWORD>(contents.size()), &got, nullptr) &&
      got == contents.size()) {
    return true;
  }
  contents.clear();
  return false;
}

ExclusiveWriter::~ExclusiveWriter() {
  if (isOpen()) CloseHandle(toHandle(handle_));
}

Attempt ExclusiveWriter::create(const std::string& path) {
  if (isOpen()) return Attempt::failed;
  HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const Attempt result = failure();
    if (result != Attempt::held) return result;
    // Access is denied as well in a folder that cannot be written.
    const bool there = GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES || failure() == Attempt::held;
    return there ? Attempt::held : Attempt::failed;
  }
  handle_ = static_cast<long long>(reinterpret_cast<intptr_t>(handle));
  return Attempt::done;
}

bool ExclusiveWriter::write(const std::string& bytes) {
  if (!isOpen() || bytes.size() > MAXDWORD) return false;
  DWORD written = 0;
  return WriteFile(toHandle(handle_), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                   nullptr) != FALSE &&
         written == bytes.size();
}

bool ExclusiveWriter::finish() {
  if (!isOpen()) return false;
  HANDLE handle = toHandle(handle_);
  handle_ = invalidHandle;
  bool flushed = FlushFileBuffers(handle) != FALSE;
  return CloseHandle(handle) != FALSE && flushed;
}

Attempt replace(const std::string& source, const std::string& target) {
  if (MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return Attempt::done;
  }
  return failure();
}

bool remove(const std::string& path) { return DeleteFileA(path.c_str()) != FALSE; }

}  // namespace file
