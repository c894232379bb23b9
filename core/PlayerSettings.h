#pragma once
// Moves the options between the player state and "tovik.def".
#include <string>

#include "core/PlayerState.h"
#include "settings/SettingsFile.h"

// What start-up still needs from the file after the options are set.
struct SavedSession {
  std::string extList;
  std::string resumeTarget;
  std::string savedGroup;
};

SavedSession readSettings(const SettingsFile& file, PlayerState& state);
void writeSettings(const PlayerState& state, SettingsFile& file);

// The excluded-extension list: filled from its text form, and joined back.
void setExcludedExtensions(PlayerState& state, const std::string& text);
std::string joinExcludedExts(const PlayerState& state);
