#pragma once
// The keyboard's media keys as system-wide hot keys of the player's window, so
// that the player answers them while another program has the focus.
#include <windows.h>

#include <array>

enum class MediaCommand { None, PlayPause, NextTrack, PreviousTrack, Stop };

class MediaKeys {
 public:
  MediaKeys() = default;
  MediaKeys(const MediaKeys&) = delete;
  MediaKeys& operator=(const MediaKeys&) = delete;
  ~MediaKeys();

  // Registers every media key that no other program holds; a held key stays
  // with its holder.
  void registerFor(HWND window);
  // Gives back the keys this window registered.
  void release();

  // The command of a WM_HOTKEY identifier, or of a WM_APPCOMMAND lParam.
  static MediaCommand fromHotKey(WPARAM id);
  static MediaCommand fromAppCommand(LPARAM lParam);

 private:
  struct Key {
    UINT virtualKey;
    MediaCommand command;
  };
  static const std::array<Key, 4> keys;

  HWND window_ = nullptr;
  std::array<bool, 4> registered_{};
};
