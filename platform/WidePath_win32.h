#pragma once
// A path of the program's text as the UTF-16 path that the media engines and
// the folder search open; empty when it has no exact UTF-16 form. A path whose
// full form is too long for the plain one (more than 259 UTF-16 units) is
// given in the extended-length form, "\\?\C:\..." or
// "\\?\UNC\server\share\...", which reaches up to 32,767 units.
#include <string>

std::wstring widePath(const std::string& path);

// The extended-length form of a wide path that needs it, made absolute and
// normalised first ("." and ".." resolved, "/" turned into "\"), as that form
// is taken literally; other paths unchanged.
std::wstring extendedLengthPath(const std::wstring& path);
