#include "library/GroupEnumeration.h"

#include "library/FolderEnumerator.h"
#include "library/NameOrder.h"
#include "library/PlaylistReader.h"
#include "library/TrackScanner.h"
#include "platform/AnsiText.h"

std::vector<std::string> enumerateGroups(const std::string& root) {
  std::vector<std::string> folders;
  std::vector<std::string> playlists;
  if (root.empty()) return folders;
  FolderEnumerator entries;
  const std::string pattern = root + (ansi::endsWith(root, '\\') ? "*" : "\\*");
  for (bool more = entries.open(pattern); more; more = entries.next()) {
    const std::string& name = entries.fileName();
    if (entries.isDirectory()) {
      if (!entries.isDots() && !name.empty() && name[0] != '.') folders.push_back(name);
    } else if (isPlaylistName(name)) {
      playlists.push_back(name);
    }
  }
  sortByName(folders);
  sortByName(playlists);
  folders.insert(folders.end(), playlists.begin(), playlists.end());
  return folders;
}
