#pragma once
// A player on the real graph whose notifications go to a hidden window that
// hands each of them back to the player, as the main window does.
#include "NotifyWindow.h"
#include "RecordingDisplay.h"
#include "core/PlaybackGraph_win32.h"
#include "core/Player.h"

struct PlayerOnWindow {
  PlayerOnWindow() : player(graph, display, window.target(), generator) {
    window.onNotify([this] { player.onGraphNotify(); });
  }

  NotifyWindow window;
  PlaybackGraph graph;
  RecordingDisplay display;
  ShuffleGenerator generator;
  Player player;
};
