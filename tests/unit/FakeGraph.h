#pragma once
// A scripted media graph: the test names the paths that render, their length,
// and says when the loaded track reaches its end; every call is logged, the
// volumes and seeks each in a list of their own.
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "audio/MediaGraph.h"

class FakeGraph : public MediaGraph {
 public:
  enum class Position { Start, Middle, End };

  void create(const GraphNotifyTarget& target) override;
  void release() override;
  bool renderFile(const std::string& path) override;
  void run() override;
  void stop() override;
  void rewind() override;
  bool atEnd() override;
  bool takeCompletion() override;
  void setVolume(int level) override { volumes_.push_back(level); }
  std::int64_t currentPosition() override;
  std::int64_t length() override { return rendered_.empty() ? 0 : length_; }
  void seek(std::int64_t milliseconds) override;

  // Script.
  void makeRenderable(const std::string& path) { renderable_.insert(path); }
  // The length in milliseconds every rendered track reports (0: not known).
  void setLength(std::int64_t milliseconds) { length_ = milliseconds; }
  // The running track plays to its end and queues its completion.
  void playToEnd();
  // The running track plays on into its middle (half its length).
  void playSome();
  // An event that is not a completion (takeCompletion drains it and says no).
  void queueOtherEvent() { events_.push_back(false); }

  // What the graph holds now.
  bool exists() const { return exists_; }
  const std::string& rendered() const { return rendered_; }
  bool running() const { return running_; }
  Position position() const { return position_; }
  const GraphNotifyTarget& target() const { return target_; }

  // Every path handed to renderFile, in order, and the full call log.
  const std::vector<std::string>& renderAttempts() const { return renderAttempts_; }
  const std::vector<std::string>& calls() const { return calls_; }
  // Every level handed to setVolume, and every place sought, in order.
  const std::vector<int>& volumes() const { return volumes_; }
  const std::vector<std::int64_t>& seeks() const { return seeks_; }
  void clearLog();

 private:
  std::set<std::string> renderable_;
  std::vector<bool> events_;  // true for a completion
  bool exists_ = false;
  std::string rendered_;
  bool running_ = false;
  Position position_ = Position::Start;
  std::int64_t length_ = 0;
  std::int64_t milliseconds_ = 0;  // the place before the end
  GraphNotifyTarget target_;
  std::vector<std::string> renderAttempts_;
  std::vector<std::string> calls_;
  std::vector<int> volumes_;
  std::vector<std::int64_t> seeks_;
};
