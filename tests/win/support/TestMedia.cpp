#include "TestMedia.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "TestFolder.h"

namespace test_media {
namespace {

// Wine maps the Unix root to drive Z:.
std::string windowsPathOf(const std::string& path) {
  if (path.empty() || path[0] != '/') return path;
  std::string result = "Z:" + path;
  std::replace(result.begin(), result.end(), '/', '\\');
  return result;
}

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// What tools/with-display.sh records from the prefix's sound server.
std::string captureFile() {
  const std::string folder = captureFolder();
  return folder.empty() ? "" : folder + "\\out.raw";
}

}  // namespace

std::string preparedFile(const std::string& name) {
  const std::string folder = windowsPathOf(environment("VEXMOOR_TEST_MEDIA"));
  if (folder.empty()) return "";
  return folder + "\\" + name;
}

std::string captureFolder() { return windowsPathOf(environment("VEXMOOR_CAPTURE_DIR")); }

void clearCapture() {
  // Emptied, not deleted: the recorder goes on appending to the same file.
  HANDLE file = CreateFileA(captureFile().c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
}

std::vector<float> readCapture() {
  const std::string bytes = captureFile().empty() ? "" : test_files::read(captureFile());
  std::vector<float> samples(bytes.size() / sizeof(float));
  if (!samples.empty()) std::memcpy(samples.data(), bytes.data(), samples.size() * sizeof(float));
  return samples;
}

}  // namespace test_media
