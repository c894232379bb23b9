#pragma once
// Whole-file reads and line writes on files held with no sharing, and the
// one-step replacement that makes a save all-or-nothing.
#include <chrono>
#include <functional>
#include <string>

namespace file {

// What an attempt on a file came to. Held: the file is there, but another
// program keeps it open without sharing (or access is denied, or it is being
// deleted), as virus scanners, indexers and sync clients do for a moment; a
// later try may pass. Missing: there is no file by that name.
enum class Attempt { done, held, missing, failed };

// Repeats attempt while it finds the file held, pausing between tries, for at
// most limit; the result of the last try.
Attempt retryWhileHeld(std::chrono::milliseconds limit, const std::function<Attempt()>& attempt);
// The pause between two tries.
constexpr std::chrono::milliseconds retryInterval{50};

// An existing file opened for reading with no sharing; the file stays held
// until the reader is destroyed.
class ExclusiveReader {
 public:
  ExclusiveReader() = default;
  ~ExclusiveReader();
  ExclusiveReader(const ExclusiveReader&) = delete;
  ExclusiveReader& operator=(const ExclusiveReader&) = delete;

  Attempt open(const std::string& path);
  // Queries the size, then reads that many bytes with one read. False when the
  // size cannot be had or the read delivers less; contents is then empty.
  bool readAll(std::string& contents);
  void close();

 private:
  long long handle_ = -1;
};

// Opens, reads whole and closes at once.
bool readWhole(const std::string& path, std::string& contents);

// A file created (or truncated) for writing with no sharing. Every write is
// one write call at the end of the file.
class ExclusiveWriter {
 public:
  ExclusiveWriter() = default;
  ~ExclusiveWriter();
  ExclusiveWriter(const ExclusiveWriter&) = delete;
  ExclusiveWriter& operator=(const ExclusiveWriter&) = delete;

  // Held only when the file is there already (a folder that cannot be
  // written is no reason to try again).
  Attempt create(const std::string& path);
  bool isOpen() const { return handle_ != invalidHandle; }
  bool write(const std::string& bytes);
  // Flushes to the disk and closes; false when either failed.
  bool finish();

 private:
  static constexpr long long invalidHandle = -1;
  long long handle_ = invalidHandle;
};

// Moves source over target in one step: target is either its old self or the
// whole source, never a mixture.
Attempt replace(const std::string& source, const std::string& target);

bool remove(const std::string& path);

}  // namespace file
