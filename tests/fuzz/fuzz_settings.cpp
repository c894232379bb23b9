// The settings parser and the excluded-extension text on arbitrary bytes:
// read as the legacy process does, every parsed line of an unmarked file must
// be a real line of the input; read in either encoding, what was read must be
// saved and read back unchanged; and the extension text must survive a join
// and a split unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "settings/ExcludedExtensions.h"
#include "platform/TextEncoding.h"
#include "settings/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> keys, values;
  SettingsFile::parse(text, ansi::Encoding::legacy, keys, values);
  if (keys.size() != values.size()) std::abort();
  const bool marked = text_encoding::startsWithUtf8Mark(text);
  for (std::size_t i = 0; i < keys.size() && !marked; ++i) {
    std::string line = keys[i] + "=" + values[i];
    if (text.find(line + "\n") == std::string::npos && text.find(line + "\r\n") == std::string::npos) {
      std::abort();
    }
  }
  for (const ansi::Encoding process : {ansi::Encoding::legacy, ansi::Encoding::utf8}) {
    std::vector<std::string> readKeys, readValues;
    SettingsFile::parse(text, process, readKeys, readValues);
    // A save always starts with the music root's line.
    std::vector<std::string> lines = {"CurDir=x\n"};
    for (std::size_t i = 0; i < readKeys.size(); ++i) {
      // A key holding "=" or a value holding a line end cannot come back as one line.
      if (readKeys[i].find('=') != std::string::npos || readValues[i].find_first_of("\n\r") != std::string::npos ||
          readValues[i].find('\0') != std::string::npos || readKeys[i].find('\0') != std::string::npos) {
        continue;
      }
      lines.push_back(readKeys[i] + "=" + readValues[i] + "\n");
    }
    std::string saved;
    for (const std::string& bytes : SettingsFile::encodeLines(lines, process)) saved += bytes;
    std::vector<std::string> backKeys, backValues;
    SettingsFile::parse(saved, process, backKeys, backValues);
    if (backKeys.size() != lines.size()) std::abort();
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (backKeys[i] + "=" + backValues[i] + "\n" != lines[i]) std::abort();
    }
  }

  std::vector<std::string> list;
  excluded_extensions::append(text, list);
  if (list.empty()) std::abort();
  std::vector<std::string> again;
  excluded_extensions::append(excluded_extensions::join(list), again);
  for (std::size_t i = 0; i + 1 < list.size(); ++i) {
    if (list[i].empty()) std::abort();
  }
  if (excluded_extensions::join(again) != excluded_extensions::join(list)) std::abort();
  return 0;
}
