// The settings parser and the excluded-extension text on arbitrary bytes:
// every parsed line must be a real line of the input, and the extension text
// must survive a join and a split unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "settings/ExcludedExtensions.h"
#include "settings/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> keys, values;
  SettingsFile::parse(text, keys, values);
  if (keys.size() != values.size()) std::abort();
  for (std::size_t i = 0; i < keys.size(); ++i) {
    std::string line = keys[i] + "=" + values[i];
    if (text.find(line + "\n") == std::string::npos && text.find(line + "\r\n") == std::string::npos) {
      std::abort();
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
