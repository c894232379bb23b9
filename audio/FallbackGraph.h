#pragma once
// Two media engines behind one graph: every file goes to the first engine, and
// to the second only when the first cannot render it (or could not even be
// created). At most one of them holds a track: the first is released before
// the second is tried, and both before the next graph is built. A graph holds
// one file: it renders once.
#include "audio/MediaGraph.h"

class FallbackGraph : public MediaGraph {
 public:
  FallbackGraph(MediaGraph& first, MediaGraph& second) : first_(first), second_(second) {}

  void create(const GraphNotifyTarget& target) override;
  void release() override;
  bool renderFile(const std::string& path) override;
  void run() override;
  void stop() override;
  void rewind() override;
  bool atEnd() override;
  bool takeCompletion() override;
  // Both engines keep the level, whichever renders the next track.
  void setVolume(int level) override;
  std::int64_t currentPosition() override;
  std::int64_t length() override;
  void seek(std::int64_t milliseconds) override;

 private:
  MediaGraph& first_;
  MediaGraph& second_;
  // The engine that holds the graph now, or none before create and after release.
  MediaGraph* current_ = nullptr;
  bool loaded_ = false;
  GraphNotifyTarget target_;
};
