#pragma once
// "tovik.def": key=value lines, each ended by a line feed. Read once at
// start-up; written once at exit into a file beside it that then replaces it
// in one step, so an interrupted or failed save leaves the old file whole.
#include <string>
#include <vector>

#include "platform/File.h"

enum class SettingsMode { Closed = 0, Writing = 1, Loaded = 2 };

class SettingsFile {
 public:
  SettingsFile() = default;
  ~SettingsFile();
  SettingsFile(const SettingsFile&) = delete;
  SettingsFile& operator=(const SettingsFile&) = delete;

  // Reading: opens the existing file with no sharing, reads and parses it, and
  // keeps it held until close. Writing: creates the replacement file.
  // On failure the mode stays as it was.
  bool open(const std::string& name, bool forWriting);
  // Value of the first line whose key equals key byte for byte, or "".
  std::string lookup(const std::string& key) const;
  // Only while Writing: one write call of key=value and a line feed.
  bool write(const std::string& key, const std::string& value);
  // Releases the file; a save whose every line was written replaces the old
  // file now, any other save is discarded.
  void close();

  SettingsMode mode() const { return mode_; }
  const std::vector<std::string>& keys() const { return keys_; }
  const std::vector<std::string>& values() const { return values_; }

  // Parses file contents into the two lists.
  static void parse(const std::string& text, std::vector<std::string>& keys,
                    std::vector<std::string>& values);

 private:
  SettingsMode mode_ = SettingsMode::Closed;
  std::vector<std::string> keys_;
  std::vector<std::string> values_;
  file::ExclusiveReader reader_;
  file::ExclusiveWriter writer_;
  std::string targetName_;
  std::string replacementName_;
  bool writeFailed_ = false;
};
