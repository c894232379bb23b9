#pragma once
// A media engine whose notifications go to a hidden window, and the
// completions that the window's handler took from it.
#include "NotifyWindow.h"

template <typename Graph>
struct GraphOnWindow {
  static constexpr DWORD patience = 10000;

  GraphOnWindow() {
    window.onNotify([this] {
      if (graph.takeCompletion()) ++completions;
    });
  }
  bool waitForCompletions(int count, DWORD timeoutMs = patience) {
    return window.pumpUntil([&] { return completions >= count; }, timeoutMs);
  }

  NotifyWindow window;
  Graph graph;
  int completions = 0;
};
