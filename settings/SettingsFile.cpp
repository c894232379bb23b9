#include "settings/SettingsFile.h"

#include "platform/AnsiText.h"

namespace {

constexpr const char* replacementSuffix = ".tmp";

}  // namespace

SettingsFile::~SettingsFile() { close(); }

bool SettingsFile::open(const std::string& name, bool forWriting) {
  if (mode_ != SettingsMode::Closed) return false;
  if (forWriting) {
    std::string replacement = name + replacementSuffix;
    if (!writer_.create(replacement)) return false;
    targetName_ = name;
    replacementName_ = replacement;
    writeFailed_ = false;
    mode_ = SettingsMode::Writing;
    return true;
  }
  std::string text;
  if (!reader_.open(name)) return false;
  if (!reader_.readAll(text)) return false;
  parse(text, keys_, values_);
  mode_ = SettingsMode::Loaded;
  return true;
}

void SettingsFile::parse(const std::string& text, std::vector<std::string>& keys,
                         std::vector<std::string>& values) {
  const char* data = text.data();
  const std::size_t size = text.size();
  std::size_t pos = 0;
  while (pos < size) {
    std::size_t end = pos;
    while (end < size && data[end] != '\n' && data[end] != '\0') {
      end += ansi::characterLength(data, size, end);
    }
    // No line feed, or a NUL first: the rest is ignored (a torn last line).
    if (end >= size || data[end] == '\0') return;
    std::size_t lineEnd = end;
    // A line written by a Windows editor ends in CR LF; the CR is not the value's.
    if (lineEnd > pos && data[lineEnd - 1] == '\r') --lineEnd;
    if (lineEnd > pos) {
      std::string line(data + pos, lineEnd - pos);
      std::size_t equals = ansi::findFirst(line, '=');
      if (equals != ansi::npos) {
        keys.push_back(line.substr(0, equals));
        values.push_back(line.substr(equals + 1));
      }
    }
    pos = end + 1;
  }
}

std::string SettingsFile::lookup(const std::string& key) const {
  for (std::size_t i = 0; i < keys_.size(); ++i) {
    if (keys_[i] == key) return values_[i];
  }
  return std::string();
}

bool SettingsFile::write(const std::string& key, const std::string& value) {
  if (mode_ != SettingsMode::Writing) return false;
  if (writer_.write(key + "=" + value + "\n")) return true;
  writeFailed_ = true;
  return false;
}

void SettingsFile::close() {
  if (mode_ == SettingsMode::Writing && writer_.isOpen()) {
    bool complete = writer_.finish() && !writeFailed_;
    if (!complete || !file::replace(replacementName_, targetName_)) file::remove(replacementName_);
    mode_ = SettingsMode::Closed;
  }
  reader_.close();
}
