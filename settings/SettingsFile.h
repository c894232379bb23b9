#pragma once
// "tovik.def": key=value lines, each ended by a line feed. Read once at
// start-up; written once at exit into a file beside it that then replaces it
// in one step, so an interrupted or failed save leaves the old file whole.
// The file is in the legacy code page, as every earlier version wrote it,
// unless a value has no place in it: then it is UTF-8 behind a byte-order mark.
// Another program may hold the file for a moment: the read tries again for up
// to a second, the replace for up to two. A file that was there but could not
// be read (held throughout, or failing to read) is not saved over by this
// process, whose values then are only defaults.
#include <chrono>
#include <string>
#include <vector>

#include "platform/AnsiText.h"
#include "platform/File.h"

enum class SettingsMode { Closed = 0, Writing = 1, Loaded = 2 };

class SettingsFile {
 public:
  SettingsFile() = default;
  ~SettingsFile();
  SettingsFile(const SettingsFile&) = delete;
  SettingsFile& operator=(const SettingsFile&) = delete;

  // Reading: opens the existing file with no sharing, reads and parses it, and
  // keeps it held until close. Writing: creates the replacement file; refused
  // for a file that this process found held and could not read.
  // On failure the mode stays as it was.
  bool open(const std::string& name, bool forWriting);
  // Value of the first line whose key equals key byte for byte, or "".
  std::string lookup(const std::string& key) const;
  // Only while Writing: takes the line key=value; the lines are written at
  // close, once their encoding is known.
  bool write(const std::string& key, const std::string& value);
  // Releases the file. A save writes its lines, one write call each, and
  // replaces the old file when every line was written; any other save is
  // discarded.
  void close();

  SettingsMode mode() const { return mode_; }

  static constexpr std::chrono::milliseconds readRetryLimit{1000};
  static constexpr std::chrono::milliseconds replaceRetryLimit{2000};
  const std::vector<std::string>& keys() const { return keys_; }
  const std::vector<std::string>& values() const { return values_; }

  // Parses file contents into the two lists, in the encoding of the process
  // text given. Entries that have no place in that encoding are left out.
  static void parse(const std::string& text, ansi::Encoding process, std::vector<std::string>& keys,
                    std::vector<std::string>& values);
  // The bytes of each write call that saves the lines (each ended by its line
  // feed) given in the encoding of the process text.
  static std::vector<std::string> encodeLines(const std::vector<std::string>& lines, ansi::Encoding process);

 private:
  // The names whose file was there but could not be read at the last read.
  static std::vector<std::string>& unreadFiles();
  bool openForWriting(const std::string& name);
  bool openForReading(const std::string& name);

  SettingsMode mode_ = SettingsMode::Closed;
  std::vector<std::string> keys_;
  std::vector<std::string> values_;
  file::ExclusiveReader reader_;
  file::ExclusiveWriter writer_;
  std::string targetName_;
  std::string replacementName_;
  std::vector<std::string> pendingLines_;
};
