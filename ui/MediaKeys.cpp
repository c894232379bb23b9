#include "ui/MediaKeys.h"

namespace {

// Hot key identifiers of the window: firstHotKeyId plus the key's index.
constexpr int firstHotKeyId = 1;

}  // namespace

const std::array<MediaKeys::Key, 4> MediaKeys::keys = {{
    {VK_MEDIA_PLAY_PAUSE, MediaCommand::PlayPause},
    {VK_MEDIA_NEXT_TRACK, MediaCommand::NextTrack},
    {VK_MEDIA_PREV_TRACK, MediaCommand::PreviousTrack},
    {VK_MEDIA_STOP, MediaCommand::Stop},
}};

MediaKeys::~MediaKeys() { release(); }

void MediaKeys::registerFor(HWND window) {
  release();
  window_ = window;
  // A held key plays or skips once, not again at every key repeat.
  for (std::size_t index = 0; index < keys.size(); ++index) {
    registered_[index] =
        RegisterHotKey(window, firstHotKeyId + static_cast<int>(index), MOD_NOREPEAT, keys[index].virtualKey) != FALSE;
  }
}

void MediaKeys::release() {
  for (std::size_t index = 0; index < keys.size(); ++index) {
    if (registered_[index]) UnregisterHotKey(window_, firstHotKeyId + static_cast<int>(index));
    registered_[index] = false;
  }
  window_ = nullptr;
}

MediaCommand MediaKeys::fromHotKey(WPARAM id) {
  if (id < static_cast<WPARAM>(firstHotKeyId)) return MediaCommand::None;
  const WPARAM index = id - firstHotKeyId;
  if (index >= keys.size()) return MediaCommand::None;
  return keys[index].command;
}

MediaCommand MediaKeys::fromAppCommand(LPARAM lParam) {
  switch (GET_APPCOMMAND_LPARAM(lParam)) {
    case APPCOMMAND_MEDIA_PLAY_PAUSE:
      return MediaCommand::PlayPause;
    case APPCOMMAND_MEDIA_NEXTTRACK:
      return MediaCommand::NextTrack;
    case APPCOMMAND_MEDIA_PREVIOUSTRACK:
      return MediaCommand::PreviousTrack;
    case APPCOMMAND_MEDIA_STOP:
      return MediaCommand::Stop;
    default:
      return MediaCommand::None;
  }
}
