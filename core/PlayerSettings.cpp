#include "core/PlayerSettings.h"

#include <limits>
#include <optional>

#include "settings/ExcludedExtensions.h"
#include "settings/SettingsKeys.h"

namespace keys = settings_keys;

namespace {

bool isOne(const std::string& value) { return value == "1"; }
const char* flagText(bool on) { return on ? "1" : "0"; }

std::int32_t sortMethodFrom(const std::string& value) {
  if (value == "1") return 1;
  if (value == "2") return 2;
  return 0;
}

const char* sortMethodText(std::int32_t method) {
  if (method == 1) return "1";
  if (method == 2) return "2";
  return "0";
}

// A whole number of decimal digits alone (no sign, no blanks) up to most.
std::optional<std::int64_t> wholeNumber(const std::string& value, std::int64_t most) {
  if (value.empty()) return std::nullopt;
  std::int64_t number = 0;
  for (char c : value) {
    if (c < '0' || c > '9') return std::nullopt;
    const int digit = c - '0';
    if (number > (most - digit) / 10) return std::nullopt;
    number = number * 10 + digit;
  }
  return number;
}

}  // namespace

SavedSession readSettings(const SettingsFile& file, PlayerState& state) {
  state.randomMode = isOne(file.lookup(keys::randomMode)) ? 1 : 0;
  state.repeatMode = isOne(file.lookup(keys::repeatMode)) ? 1 : 0;
  state.topMost = file.lookup(keys::topMode) != "0";
  state.sortReverse = isOne(file.lookup(keys::sortReverse));
  state.sortMethod = sortMethodFrom(file.lookup(keys::sortMethod));
  state.transparent = isOne(file.lookup(keys::transparent));
  state.onePlay = isOne(file.lookup(keys::onePlay));
  state.volume = static_cast<std::int32_t>(wholeNumber(file.lookup(keys::volume), 100).value_or(100));
  SavedSession session;
  session.extList = file.lookup(keys::extList);
  state.lastFile = file.lookup(keys::lastFile);
  session.resumeTarget = state.lastFile;
  state.curDir = file.lookup(keys::curDir);
  state.subDir = file.lookup(keys::subDir);
  session.savedGroup = state.subDir;
  session.resumePosition =
      wholeNumber(file.lookup(keys::lastPosition), std::numeric_limits<std::int64_t>::max()).value_or(0);
  return session;
}

void writeSettings(const PlayerState& state, SettingsFile& file, std::int64_t lastPosition) {
  file.write(keys::curDir, state.curDir);
  file.write(keys::subDir, state.subDir);
  file.write(keys::randomMode, flagText(state.randomMode == 1));
  file.write(keys::repeatMode, flagText(state.repeatMode == 1));
  file.write(keys::sortReverse, flagText(state.sortReverse));
  file.write(keys::sortMethod, sortMethodText(state.sortMethod));
  file.write(keys::transparent, flagText(state.transparent));
  file.write(keys::onePlay, flagText(state.onePlay));
  file.write(keys::topMode, flagText(state.topMost));
  file.write(keys::extList, joinExcludedExts(state));
  file.write(keys::lastFile, state.lastFile);
  // An untouched player's file stays the eleven lines above.
  if (state.volume != 100) file.write(keys::volume, std::to_string(state.volume));
  if (lastPosition > 0) file.write(keys::lastPosition, std::to_string(lastPosition));
}

void setExcludedExtensions(PlayerState& state, const std::string& text) {
  excluded_extensions::append(text, state.excludedExts);
}

std::string joinExcludedExts(const PlayerState& state) {
  return excluded_extensions::join(state.excludedExts);
}
