#pragma once
// Everything the player knows: the options that outlive the process through
// "tovik.def", the music root and group, the three lists and the playback flags.
#include <cstdint>
#include <string>
#include <vector>

using TrackList = std::vector<std::string>;
using PlayQueue = std::vector<std::string>;
using GroupList = std::vector<std::string>;

enum class PopupKind : std::int32_t { None = 0, Group = 1, Track = 2 };

struct PlayerState {
  std::int32_t randomMode = 0;
  std::int32_t repeatMode = 0;
  bool topMost = true;
  bool sortReverse = false;
  std::int32_t sortMethod = 0;  // 0 name order, 1 last-write time, 2 last-access time
  bool transparent = false;
  bool onePlay = false;
  std::int32_t volume = 100;  // the player's own level: 0 silent .. 100 full
  std::string previousFile;
  std::string lastFile;
  std::string curDir;
  std::string subDir;
  std::vector<std::string> excludedExts;
  PlayQueue playQueue;
  TrackList trackList;
  GroupList groupList;
  bool trackLoaded = false;
  bool playing = false;
  PopupKind popupKind = PopupKind::None;
};
