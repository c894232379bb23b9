#pragma once
// Moves the options between the player state and "tovik.def".
#include <cstdint>
#include <string>

#include "core/PlayerState.h"
#include "settings/SettingsFile.h"

// What start-up still needs from the file after the options are set.
struct SavedSession {
  std::string extList;
  std::string resumeTarget;
  std::string savedGroup;
  // Where in the resume target the player left it, in milliseconds.
  std::int64_t resumePosition = 0;
};

SavedSession readSettings(const SettingsFile& file, PlayerState& state);
// lastPosition: where in the loaded track the player leaves, in milliseconds.
void writeSettings(const PlayerState& state, SettingsFile& file, std::int64_t lastPosition = 0);

// The excluded-extension list: filled from its text form, and joined back.
void setExcludedExtensions(PlayerState& state, const std::string& text);
std::string joinExcludedExts(const PlayerState& state);
