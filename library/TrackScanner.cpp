#include "library/TrackScanner.h"

#include <algorithm>
#include <string_view>

#include "library/FolderEnumerator.h"
#include "library/NameOrder.h"
#include "library/TimeOrder.h"
#include "platform/AnsiText.h"

namespace {

std::string_view extensionOf(const std::string& name) {
  std::size_t dot = ansi::findLast(name, '.');
  return dot == ansi::npos ? std::string_view() : std::string_view(name).substr(dot + 1);
}

bool isExcluded(std::string_view extension, const std::vector<std::string>& excludedExts) {
  return std::find(excludedExts.begin(), excludedExts.end(), extension) != excludedExts.end();
}

// The files found, in the order the platform delivered them.
struct FoundFiles {
  std::vector<std::string> paths;
  std::vector<std::size_t> nameLengths;
  std::vector<FileTime> times;  // kept only for a time order

  std::vector<std::size_t> inNameOrder() const {
    std::vector<std::string_view> names;
    names.reserve(paths.size());
    for (std::size_t i = 0; i < paths.size(); ++i) {
      names.emplace_back(paths[i].data() + paths[i].size() - nameLengths[i], nameLengths[i]);
    }
    return nameOrder(names);
  }
};

FoundFiles findFiles(const std::string& folder, const std::vector<std::string>& excludedExts,
                     std::int32_t timeMethod) {
  FoundFiles found;
  FolderEnumerator files;
  const std::string pattern = folder + (ansi::endsWith(folder, '\\') ? "*.*" : "\\*.*");
  for (bool more = files.open(pattern); more; more = files.next()) {
    if (files.isDirectory()) continue;
    const std::string& name = files.fileName();
    if (isExcluded(extensionOf(name), excludedExts)) continue;
    found.paths.push_back(files.filePath());
    found.nameLengths.push_back(name.size());
    if (timeMethod == 0) continue;
    FileTime time = 0;
    if (timeMethod == 2) {
      files.lastAccessTime(time);
    } else {
      files.lastWriteTime(time);
    }
    found.times.push_back(time);
  }
  return found;
}

}  // namespace

std::string fileExtension(const std::string& name) { return std::string(extensionOf(name)); }

std::vector<std::string> scanTracks(const std::string& folder, const std::vector<std::string>& excludedExts,
                                    const TrackOrder& order) {
  std::vector<std::string> trackList;
  if (folder.empty()) return trackList;
  const bool random = order.randomMode != 0;
  const std::int32_t timeMethod = random ? 0 : order.sortMethod;
  FoundFiles found = findFiles(folder, excludedExts, timeMethod);
  std::vector<std::size_t> positions = found.inNameOrder();
  if (timeMethod != 0) {
    std::vector<FileTime> times;
    times.reserve(positions.size());
    for (std::size_t position : positions) times.push_back(found.times[position]);
    std::vector<std::size_t> byTime = newestFirst(std::move(times));
    for (std::size_t& ranked : byTime) ranked = positions[ranked];
    positions = std::move(byTime);
    // The rule ranks newest first; oldest first is that ranking backwards.
    if (!order.sortReverse) std::reverse(positions.begin(), positions.end());
  } else if (order.sortReverse && !random) {
    std::reverse(positions.begin(), positions.end());
  }
  trackList.reserve(positions.size());
  for (std::size_t position : positions) trackList.push_back(std::move(found.paths[position]));
  return trackList;
}
