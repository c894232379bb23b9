#pragma once
// Playlist files: one track path a line, read whole with no sharing.
#include <functional>
#include <string>
#include <vector>

#include "library/TrackOrder.h"

// Lines end at CR LF, a lone LF or a lone CR; a final line end gives no empty
// last line, but empty lines between others are entries.
std::vector<std::string> splitPlaylistLines(const std::string& text);

// Replaces trackList with the file's lines when it can be read whole and is
// not empty, then shuffles them (randomMode 1) or reverses them (sortReverse).
// Returns false, leaving trackList as it was, otherwise.
bool loadPlaylist(const std::string& path, const TrackOrder& order,
                  const std::function<void(std::vector<std::string>&)>& shuffle,
                  std::vector<std::string>& trackList);
