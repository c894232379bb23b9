#pragma once
// Turns one folder into its TrackList: every plain file directly inside it
// whose extension is not excluded, in the order the settings ask for.
#include <string>
#include <vector>

#include "library/TrackOrder.h"

// The text after the last "." of a name, case kept; "" without a ".".
std::string fileExtension(const std::string& name);

// The folder's track paths (folder, one "\\", name). With randomMode on they
// come in name order, ready for the shuffle.
std::vector<std::string> scanTracks(const std::string& folder,
                                    const std::vector<std::string>& excludedExts,
                                    const TrackOrder& order);
