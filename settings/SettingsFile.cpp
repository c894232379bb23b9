#include "settings/SettingsFile.h"

#include <algorithm>
#include <utility>

#include "platform/TextEncoding.h"

namespace {

constexpr const char* replacementSuffix = ".tmp";

void parseLines(const std::string& text, ansi::Encoding encoding, std::vector<std::string>& keys,
                std::vector<std::string>& values) {
  const char* data = text.data();
  const std::size_t size = text.size();
  std::size_t pos = 0;
  while (pos < size) {
    std::size_t end = pos;
    while (end < size && data[end] != '\n' && data[end] != '\0') {
      end += ansi::characterLength(encoding, data, size, end);
    }
    // No line feed, or a NUL first: the rest is ignored (a torn last line).
    if (end >= size || data[end] == '\0') return;
    std::size_t lineEnd = end;
    // A line written by a Windows editor ends in CR LF; the CR is not the value's.
    if (lineEnd > pos && data[lineEnd - 1] == '\r') --lineEnd;
    if (lineEnd > pos) {
      std::string line(data + pos, lineEnd - pos);
      std::size_t equals = ansi::findFirst(encoding, line, '=');
      if (equals != ansi::npos) {
        keys.push_back(line.substr(0, equals));
        values.push_back(line.substr(equals + 1));
      }
    }
    pos = end + 1;
  }
}

}  // namespace

SettingsFile::~SettingsFile() { close(); }

std::vector<std::string>& SettingsFile::unreadFiles() {
  static std::vector<std::string> names;
  return names;
}

bool SettingsFile::open(const std::string& name, bool forWriting) {
  if (mode_ != SettingsMode::Closed) return false;
  return forWriting ? openForWriting(name) : openForReading(name);
}

bool SettingsFile::openForWriting(const std::string& name) {
  // Defaults that stand in for a file that could not be read must not replace it.
  std::vector<std::string>& unread = unreadFiles();
  if (std::find(unread.begin(), unread.end(), name) != unread.end()) return false;
  std::string replacement = name + replacementSuffix;
  // A replacement left by an earlier save may still be held, or be going.
  const auto created = [&] { return writer_.create(replacement); };
  if (file::retryWhileHeld(readRetryLimit, created) != file::Attempt::done) return false;
  targetName_ = name;
  replacementName_ = replacement;
  pendingLines_.clear();
  mode_ = SettingsMode::Writing;
  return true;
}

bool SettingsFile::openForReading(const std::string& name) {
  const file::Attempt opened = file::retryWhileHeld(readRetryLimit, [&] { return reader_.open(name); });
  std::string text;
  const bool read = opened == file::Attempt::done && reader_.readAll(text);
  // Only a file that is not there is no loss: one that was found but could
  // not be read whole (held, an I/O error, a placeholder whose sync client is
  // offline) is kept from being saved over.
  std::vector<std::string>& unread = unreadFiles();
  unread.erase(std::remove(unread.begin(), unread.end(), name), unread.end());
  if (!read && opened != file::Attempt::missing) unread.push_back(name);
  if (!read) {
    reader_.close();
    return false;
  }
  parse(text, ansi::processEncoding(), keys_, values_);
  mode_ = SettingsMode::Loaded;
  return true;
}

void SettingsFile::parse(const std::string& text, ansi::Encoding process, std::vector<std::string>& keys,
                         std::vector<std::string>& values) {
  const bool marked = text_encoding::startsWithUtf8Mark(text);
  const ansi::Encoding fileEncoding = marked ? ansi::Encoding::utf8 : ansi::Encoding::legacy;
  std::vector<std::string> fileKeys;
  std::vector<std::string> fileValues;
  parseLines(marked ? text.substr(text_encoding::utf8MarkSize) : text, fileEncoding, fileKeys, fileValues);
  // An entry that cannot be held as process text could only name something
  // else: it is left out, and the setting takes its default.
  for (std::size_t i = 0; i < fileKeys.size(); ++i) {
    std::string key;
    std::string value;
    if (text_encoding::convert(fileKeys[i], fileEncoding, process, key) &&
        text_encoding::convert(fileValues[i], fileEncoding, process, value)) {
      keys.push_back(std::move(key));
      values.push_back(std::move(value));
    }
  }
}

std::vector<std::string> SettingsFile::encodeLines(const std::vector<std::string>& lines, ansi::Encoding process) {
  std::vector<std::string> legacyLines;
  legacyLines.reserve(lines.size());
  for (const std::string& line : lines) {
    std::string legacy;
    if (!text_encoding::convert(line, process, ansi::Encoding::legacy, legacy)) break;
    legacyLines.push_back(std::move(legacy));
  }
  if (legacyLines.size() == lines.size()) return legacyLines;
  // Process text that is not UTF-8 always converts to the legacy code page, so
  // these lines are UTF-8 already.
  std::vector<std::string> utf8Lines = lines;
  utf8Lines.front().insert(0, text_encoding::utf8Mark);
  return utf8Lines;
}

std::string SettingsFile::lookup(const std::string& key) const {
  for (std::size_t i = 0; i < keys_.size(); ++i) {
    if (keys_[i] == key) return values_[i];
  }
  return std::string();
}

bool SettingsFile::write(const std::string& key, const std::string& value) {
  if (mode_ != SettingsMode::Writing) return false;
  pendingLines_.push_back(key + "=" + value + "\n");
  return true;
}

void SettingsFile::close() {
  if (mode_ == SettingsMode::Writing && writer_.isOpen()) {
    bool complete = true;
    for (const std::string& bytes : encodeLines(pendingLines_, ansi::processEncoding())) {
      complete = writer_.write(bytes) && complete;
    }
    complete = writer_.finish() && complete;
    const auto replaced = [&] { return file::replace(replacementName_, targetName_); };
    if (!complete || file::retryWhileHeld(replaceRetryLimit, replaced) != file::Attempt::done) {
      file::remove(replacementName_);
    }
    mode_ = SettingsMode::Closed;
  }
  reader_.close();
}
