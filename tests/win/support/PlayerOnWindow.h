#pragma once
// A player on a real engine whose notifications go to a hidden window that
// hands each of them back to the player, as the main window does. The engine
// is DirectShow alone unless another is named.
#include <vector>

#include "NotifyWindow.h"
#include "RecordingDisplay.h"
#include "Stopwatch.h"
#include "audio/AudioEngines_win32.h"
#include "core/Player.h"

inline MediaGraph& graphOf(MediaGraph& engine) { return engine; }
inline MediaGraph& graphOf(AudioEngines& engines) { return engines.graph; }

template <typename Engine = PlaybackGraph>
struct PlayerOnWindow {
  PlayerOnWindow() : player(graphOf(engine), display, window.target(), generator) {
    window.onNotify([this] { player.onGraphNotify(); });
  }

  // From now on, every notification that loads the next track is timed (ms).
  void timeTrackChanges(std::vector<double>& times) {
    window.onNotify([this, &times] {
      const std::size_t queued = player.state().playQueue.size();
      const LARGE_INTEGER start = stopwatch::now();
      player.onGraphNotify();
      const LARGE_INTEGER end = stopwatch::now();
      if (player.state().playQueue.size() < queued) times.push_back(stopwatch::milliseconds(start, end));
    });
  }

  NotifyWindow window;
  Engine engine;
  RecordingDisplay display;
  ShuffleGenerator generator;
  Player player;
};
