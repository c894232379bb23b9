#pragma once
// A temporary folder for one test, removed with everything in it afterwards.
// Paths are ANSI strings joined with "\\", as the program builds them.
#include <cstdint>
#include <memory>
#include <string>

class TestFolder {
 public:
  TestFolder();
  ~TestFolder();
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string join(const std::string& relative) const { return path_ + "\\" + relative; }
  // Creates the file (and no folders) with the given bytes; returns its path.
  // Names ending in "." or " " are created as they stand.
  std::string file(const std::string& relative, const std::string& bytes = std::string()) const;
  std::string folder(const std::string& relative) const;

 private:
  std::string path_;
};

// Small file-system helpers for tests, on whichever platform runs them.
namespace test_files {

std::string read(const std::string& path);
bool exists(const std::string& path);
// Sets last-write and last-access time (100 ns since 1601).
void setTimes(const std::string& path, std::uint64_t lastWrite, std::uint64_t lastAccess);

// Creates or removes one empty folder; path may be relative.
bool makeFolder(const std::string& path);
bool removeFolder(const std::string& path);

// Marks a file hidden and system where the platform has such flags (elsewhere
// a name beginning with "." is what hides a file).
void setHiddenAndSystem(const std::string& path);

// Makes folder the process's current folder until destroyed.
class CurrentFolder {
 public:
  explicit CurrentFolder(const std::string& folder);
  ~CurrentFolder();
  CurrentFolder(const CurrentFolder&) = delete;
  CurrentFolder& operator=(const CurrentFolder&) = delete;
  bool changed() const { return !previous_.empty(); }

 private:
  std::string previous_;
};

// Holds a file open with no sharing, as another program might, until destroyed.
class Holder {
 public:
  explicit Holder(const std::string& path);
  ~Holder();
  bool held() const { return handle_ != -1; }

 private:
  long long handle_ = -1;
};

// A folder in which nothing can be created: VEXMOOR_READONLY_FOLDER, set up by
// the test runner, or "" when the runner did not make one.
std::string readOnlyFolder();

}  // namespace test_files
