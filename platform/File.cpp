#include "platform/File.h"

#include <thread>
#include <utility>

namespace file {

namespace {

std::function<void()>& retryPause() {
  static std::function<void()> pause = [] { std::this_thread::sleep_for(retryInterval); };
  return pause;
}

}  // namespace

std::function<void()> replaceRetryPause(std::function<void()> pause) {
  std::swap(pause, retryPause());
  return pause;
}

Attempt retryWhileHeld(std::chrono::milliseconds limit, const std::function<Attempt()>& attempt) {
  Attempt result = attempt();
  for (auto waited = std::chrono::milliseconds(0); result == Attempt::held && waited < limit;
       waited += retryInterval) {
    retryPause()();
    result = attempt();
  }
  return result;
}

bool readWhole(const std::string& path, std::string& contents) {
  ExclusiveReader reader;
  contents.clear();
  return reader.open(path) == Attempt::done && reader.readAll(contents);
}

}  // namespace file
