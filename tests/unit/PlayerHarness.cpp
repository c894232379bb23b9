#include "PlayerHarness.h"

const char* const defaultGroupText = "<default>";

PlayerHarness::PlayerHarness()
    : player(graph, display, GraphNotifyTarget{0x5150, graphNotify}, generator) {
  player.setDefaultGroupLabel(defaultGroupText);
}

std::string PlayerHarness::track(const std::string& relative) {
  std::string path = root.file(relative, "sound");
  graph.makeRenderable(path);
  return path;
}

std::string PlayerHarness::brokenTrack(const std::string& relative) { return root.file(relative, "junk"); }

void PlayerHarness::endTrack() {
  graph.playToEnd();
  player.onGraphNotify();
}

void PlayerHarness::sliceEveryTry() {
  player.setAdvanceSlice(std::chrono::milliseconds(0), [this] { continuationAsked = true; });
}

int PlayerHarness::finishSearch() {
  int slices = 0;
  while (continuationAsked && slices < 100) {
    continuationAsked = false;
    player.continueAdvance();
    ++slices;
  }
  return slices;
}

std::string PlayerHarness::name(const std::string& path) const {
  const std::string prefix = root.path() + "\\";
  if (path.compare(0, prefix.size(), prefix) == 0) return path.substr(prefix.size());
  return path;
}

std::vector<std::string> PlayerHarness::names(const std::vector<std::string>& paths) const {
  std::vector<std::string> result;
  for (const std::string& path : paths) result.push_back(name(path));
  return result;
}
