#include "FakeGraph.h"

void FakeGraph::create(const GraphNotifyTarget& target) {
  calls_.push_back("create");
  exists_ = true;
  target_ = target;
}

void FakeGraph::release() {
  calls_.push_back("release");
  exists_ = false;
  rendered_.clear();
  running_ = false;
  position_ = Position::Start;
  milliseconds_ = 0;
  events_.clear();
}

bool FakeGraph::renderFile(const std::string& path) {
  calls_.push_back("render " + path);
  renderAttempts_.push_back(path);
  if (!exists_ || !rendered_.empty() || renderable_.count(path) == 0) return false;
  rendered_ = path;
  return true;
}

void FakeGraph::run() {
  calls_.push_back("run");
  if (!rendered_.empty()) running_ = true;
}

void FakeGraph::stop() {
  calls_.push_back("stop");
  running_ = false;
}

void FakeGraph::rewind() {
  calls_.push_back("rewind");
  if (rendered_.empty()) return;
  position_ = Position::Start;
  milliseconds_ = 0;
}

std::int64_t FakeGraph::currentPosition() {
  if (rendered_.empty()) return 0;
  return position_ == Position::End ? length_ : milliseconds_;
}

void FakeGraph::seek(std::int64_t milliseconds) {
  seeks_.push_back(milliseconds);
  if (rendered_.empty()) return;
  position_ = milliseconds == 0 ? Position::Start : Position::Middle;
  milliseconds_ = milliseconds;
}

bool FakeGraph::atEnd() { return !rendered_.empty() && position_ == Position::End; }

bool FakeGraph::takeCompletion() {
  while (!events_.empty()) {
    bool completion = events_.front();
    events_.erase(events_.begin());
    if (completion) return true;
  }
  return false;
}

void FakeGraph::playToEnd() {
  if (!running_) return;
  position_ = Position::End;
  events_.push_back(true);
}

void FakeGraph::playSome() {
  if (!running_) return;
  position_ = Position::Middle;
  milliseconds_ = length_ / 2;
}

void FakeGraph::clearLog() {
  calls_.clear();
  renderAttempts_.clear();
  volumes_.clear();
  seeks_.clear();
}
