#include "core/PlayerSettings.h"

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

}  // namespace

SavedSession readSettings(const SettingsFile& file, PlayerState& state) {
  state.randomMode = isOne(file.lookup(keys::randomMode)) ? 1 : 0;
  state.repeatMode = isOne(file.lookup(keys::repeatMode)) ? 1 : 0;
  state.topMost = file.lookup(keys::topMode) != "0";
  state.sortReverse = isOne(file.lookup(keys::sortReverse));
  state.sortMethod = sortMethodFrom(file.lookup(keys::sortMethod));
  state.transparent = isOne(file.lookup(keys::transparent));
  state.onePlay = isOne(file.lookup(keys::onePlay));
  SavedSession session;
  session.extList = file.lookup(keys::extList);
  state.lastFile = file.lookup(keys::lastFile);
  session.resumeTarget = state.lastFile;
  state.curDir = file.lookup(keys::curDir);
  state.subDir = file.lookup(keys::subDir);
  session.savedGroup = state.subDir;
  return session;
}

void writeSettings(const PlayerState& state, SettingsFile& file) {
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
}

void setExcludedExtensions(PlayerState& state, const std::string& text) {
  excluded_extensions::append(text, state.excludedExts);
}

std::string joinExcludedExts(const PlayerState& state) {
  return excluded_extensions::join(state.excludedExts);
}
