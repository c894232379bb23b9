#include "platform/File.h"

namespace file {

bool readWhole(const std::string& path, std::string& contents) {
  ExclusiveReader reader;
  contents.clear();
  return reader.open(path) && reader.readAll(contents);
}

}  // namespace file
