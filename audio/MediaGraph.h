#pragma once
// One media graph per loaded track: built for one file, run, stopped, rewound,
// and drained of its events when the window is told that it has some.
#include <cstdint>
#include <string>

// Where the graph posts its event notification: a window and a message number,
// held as plain integers so that the player stays free of the platform.
struct GraphNotifyTarget {
  std::uintptr_t window = 0;
  unsigned message = 0;
};

class MediaGraph {
 public:
  virtual ~MediaGraph() = default;
  // Builds an empty graph that posts target.message to target.window.
  virtual void create(const GraphNotifyTarget& target) = 0;
  // Releases the graph; this ends its playback.
  virtual void release() = 0;
  // Renders the file (an ANSI path); true on success.
  virtual bool renderFile(const std::string& path) = 0;
  virtual void run() = 0;
  virtual void stop() = 0;
  // Puts the position back to the start without changing the run state.
  virtual void rewind() = 0;
  // True when the position equals the stop position.
  virtual bool atEnd() = 0;
  // Drains events up to the first end of stream; true when one was taken.
  virtual bool takeCompletion() = 0;

  // The player's own volume, 0 (silent) to 100 (full; VolumeGain): for the
  // track that plays and every track rendered after. An engine that has no
  // volume control plays at full level.
  virtual void setVolume(int level) = 0;
  // Milliseconds from the start of the loaded track; 0 when not known.
  virtual std::int64_t currentPosition() = 0;
  // The loaded track's length in milliseconds; 0 when not known.
  virtual std::int64_t length() = 0;
  // Puts the position there without changing the run state.
  virtual void seek(std::int64_t milliseconds) = 0;
};
