#include "platform/File.h"

#include <thread>

namespace file {

Attempt retryWhileHeld(std::chrono::milliseconds limit, const std::function<Attempt()>& attempt) {
  Attempt result = attempt();
  for (auto waited = std::chrono::milliseconds(0); result == Attempt::held && waited < limit;
       waited += retryInterval) {
    std::this_thread::sleep_for(retryInterval);
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
