#include "platform/File.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/PosixPath.h"

namespace file {
namespace {

// "No sharing": an exclusive lock that another holder makes fail at once, with
// errno EWOULDBLOCK.
int openExclusive(const std::string& path, int flags) {
  int fd = ::open(toPosixPath(path).c_str(), flags | O_CLOEXEC, 0644);
  if (fd < 0) return -1;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int error = errno;
    ::close(fd);
    errno = error;
    return -1;
  }
  return fd;
}

// As on Windows, a file kept by another holder and one without access count as held.
Attempt failure() {
  if (errno == EWOULDBLOCK || errno == EACCES) return Attempt::held;
  return errno == ENOENT || errno == ENOTDIR ? Attempt::missing : Attempt::failed;
}

}  // namespace

ExclusiveReader::~ExclusiveReader() { close(); }

void ExclusiveReader::close() {
  if (handle_ >= 0) ::close(static_cast<int>(handle_));
  handle_ = -1;
}

Attempt ExclusiveReader::open(const std::string& path) {
  if (handle_ >= 0) return Attempt::failed;
  int fd = openExclusive(path, O_RDONLY);
  if (fd < 0) return failure();
  struct stat info;
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return Attempt::failed;
  }
  handle_ = fd;
  return Attempt::done;
}

bool ExclusiveReader::readAll(std::string& contents) {
  contents.clear();
  if (handle_ < 0) return false;
  int fd = static_cast<int>(handle_);
  struct stat info;
  if (::fstat(fd, &info) != 0) return false;
  if (info.st_size == 0) return true;
  contents.resize(static_cast<std::size_t>(info.st_size));
  ssize_t got = ::read(fd, &contents[0], contents.size());
  if (got == static_cast<ssize_t>(contents.size())) return true;
  contents.clear();
  return false;
}

ExclusiveWriter::~ExclusiveWriter() {
  if (isOpen()) ::close(static_cast<int>(handle_));
}

Attempt ExclusiveWriter::create(const std::string& path) {
  if (isOpen()) return Attempt::failed;
  int fd = openExclusive(path, O_WRONLY | O_CREAT);
  if (fd < 0) {
    const Attempt result = failure();
    // Access is denied as well in a folder that cannot be written.
    struct stat info;
    return result == Attempt::held && ::stat(toPosixPath(path).c_str(), &info) != 0 ? Attempt::failed : result;
  }
  if (::ftruncate(fd, 0) != 0) {
    ::close(fd);
    return Attempt::failed;
  }
  handle_ = fd;
  return Attempt::done;
}

bool ExclusiveWriter::write(const std::string& bytes) {
  if (!isOpen()) return false;
  ssize_t written = ::write(static_cast<int>(handle_), bytes.data(), bytes.size());
  return written == static_cast<ssize_t>(bytes.size());
}

bool ExclusiveWriter::finish() {
  if (!isOpen()) return false;
  int fd = static_cast<int>(handle_);
  handle_ = invalidHandle;
  bool synced = ::fsync(fd) == 0;
  return ::close(fd) == 0 && synced;
}

Attempt replace(const std::string& source, const std::string& target) {
  // A target that another holder keeps unshared is not replaced, as on Windows.
  int held = openExclusive(target, O_RDONLY);
  if (held < 0 && errno != ENOENT) return failure();
  const bool moved = std::rename(toPosixPath(source).c_str(), toPosixPath(target).c_str()) == 0;
  const Attempt result = moved ? Attempt::done : failure();
  if (held >= 0) ::close(held);
  return result;
}

bool remove(const std::string& path) { return ::unlink(toPosixPath(path).c_str()) == 0; }

}  // namespace file
