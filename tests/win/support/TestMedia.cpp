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

std::vector<std::string> captureFiles() {
  std::vector<std::string> names;
  const std::string folder = captureFolder();
  if (folder.empty()) return names;
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((folder + "\\out.raw*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(folder + "\\" + data.cFileName);
  } while (FindNextFileA(find, &data));
  FindClose(find);
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

std::string preparedFile(const std::string& name) {
  const std::string folder = windowsPathOf(environment("VEXMOOR_TEST_MEDIA"));
  if (folder.empty()) return "";
  return folder + "\\" + name;
}

std::string captureFolder() { return windowsPathOf(environment("VEXMOOR_CAPTURE_DIR")); }

void clearCapture() {
  for (const std::string& name : captureFiles()) DeleteFileA(name.c_str());
}

std::vector<float> readCapture() {
  std::string bytes;
  for (const std::string& name : captureFiles()) bytes += test_files::read(name);
  std::vector<float> samples(bytes.size() / sizeof(float));
  if (!samples.empty()) std::memcpy(samples.data(), bytes.data(), samples.size() * sizeof(float));
  return samples;
}

}  // namespace test_media
