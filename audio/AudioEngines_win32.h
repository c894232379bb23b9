#pragma once
// The player's media graph on Windows: DirectShow first, as ever, and Media
// Foundation for what DirectShow cannot render (most of all MP4/M4A, FLAC and
// Ogg on a stock Windows, whose DirectShow has no source for them).
#include "audio/FallbackGraph.h"
#include "audio/MediaSessionGraph_win32.h"
#include "audio/PlaybackGraph_win32.h"

struct AudioEngines {
  PlaybackGraph directShow;
  MediaSessionGraph mediaFoundation;
  FallbackGraph graph{directShow, mediaFoundation};
};
