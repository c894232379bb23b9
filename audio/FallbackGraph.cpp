#include "audio/FallbackGraph.h"

void FallbackGraph::create(const GraphNotifyTarget& target) {
  release();
  target_ = target;
  first_.create(target);
  current_ = &first_;
  loaded_ = false;
}

void FallbackGraph::release() {
  first_.release();
  second_.release();
  current_ = nullptr;
  loaded_ = false;
}

bool FallbackGraph::renderFile(const std::string& path) {
  if (!current_ || loaded_) return false;
  if (current_ == &first_) {
    loaded_ = first_.renderFile(path);
    if (loaded_) return true;
    first_.release();
    second_.create(target_);
    current_ = &second_;
  }
  loaded_ = second_.renderFile(path);
  return loaded_;
}

void FallbackGraph::run() {
  if (current_) current_->run();
}

void FallbackGraph::stop() {
  if (current_) current_->stop();
}

void FallbackGraph::rewind() {
  if (current_) current_->rewind();
}

bool FallbackGraph::atEnd() { return current_ && current_->atEnd(); }

bool FallbackGraph::takeCompletion() { return current_ && current_->takeCompletion(); }

void FallbackGraph::setVolume(int level) {
  first_.setVolume(level);
  second_.setVolume(level);
}

std::int64_t FallbackGraph::currentPosition() { return current_ ? current_->currentPosition() : 0; }

std::int64_t FallbackGraph::length() { return current_ ? current_->length() : 0; }

void FallbackGraph::seek(std::int64_t milliseconds) {
  if (current_) current_->seek(milliseconds);
}
