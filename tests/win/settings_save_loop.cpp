// Saves the settings in the current folder over and over, alternating two
// sessions, until it is killed: the kill test checks what such a death leaves.
#include "core/PlayerSettings.h"
#include "settings/SettingsKeys.h"

int main() {
  PlayerState sessions[2];
  sessions[0].lastFile = std::string(1500, 'a');
  sessions[1].lastFile = std::string(1500, 'b');
  sessions[1].randomMode = 1;
  for (unsigned round = 0;; ++round) {
    SettingsFile file;
    if (file.open(settings_keys::fileName, true)) writeSettings(sessions[round % 2], file);
  }
}
