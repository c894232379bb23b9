#pragma once
// Playlist files: one track path a line, read whole with no sharing.
#include <functional>
#include <string>
#include <vector>

#include "library/TrackOrder.h"
#include "platform/AnsiText.h"

// True for a name whose extension makes it a playlist group: "m3u" (legacy
// code page or UTF-8) or "m3u8" (UTF-8).
bool isPlaylistName(const std::string& name);

// Lines end at CR LF, a lone LF or a lone CR; a final line end gives no empty
// last line, but empty lines between others are entries.
std::vector<std::string> splitPlaylistLines(const std::string& text);

// The lines of a playlist file as process text. The file is UTF-8 when it
// starts with a byte-order mark (which is no part of the first line), when it
// is an "m3u8", or when its bytes are well-formed UTF-8 holding a non-ASCII
// byte; otherwise it is in the legacy code page. A line that has no place in
// the process's encoding is left out: it could only name a different file.
std::vector<std::string> decodePlaylist(const std::string& bytes, bool isM3u8, ansi::Encoding process);

// Replaces trackList with the file's lines when it can be read whole and is
// not empty, then shuffles them (randomMode 1) or reverses them (sortReverse).
// Returns false, leaving trackList as it was, otherwise.
bool loadPlaylist(const std::string& path, const TrackOrder& order,
                  const std::function<void(std::vector<std::string>&)>& shuffle,
                  std::vector<std::string>& trackList);
