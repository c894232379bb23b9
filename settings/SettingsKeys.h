#pragma once
// The keys of "tovik.def".

namespace settings_keys {

constexpr const char* curDir = "CurDir";
constexpr const char* subDir = "SubDir";
constexpr const char* randomMode = "RandomMode";
constexpr const char* repeatMode = "RepeartMode";  // the spelling that existing files carry
constexpr const char* sortReverse = "SortReverse";
constexpr const char* sortMethod = "SortMethod";
constexpr const char* transparent = "Transparent";
constexpr const char* onePlay = "OnePlay";
constexpr const char* topMode = "TopMode";
constexpr const char* extList = "ExtList";
constexpr const char* lastFile = "LastFile";
// Written after the eleven keys above, and only when they differ from their defaults.
constexpr const char* volume = "Volume";
constexpr const char* lastPosition = "LastPosition";

constexpr const char* fileName = "tovik.def";

}  // namespace settings_keys
