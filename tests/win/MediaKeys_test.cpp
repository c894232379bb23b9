#include "ui/MediaKeys.h"

#include <gtest/gtest.h>

namespace {

HWND messageWindow() {
  return CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
}

LPARAM appCommand(int command) { return MAKELPARAM(0, command); }

}  // namespace

TEST(MediaKeysTest, AppCommandsOfTheMediaKeysMapToTheirCommands) {
  struct Case {
    int appCommand;
    MediaCommand command;
  };
  const Case cases[] = {
      {APPCOMMAND_MEDIA_PLAY_PAUSE, MediaCommand::PlayPause},
      {APPCOMMAND_MEDIA_NEXTTRACK, MediaCommand::NextTrack},
      {APPCOMMAND_MEDIA_PREVIOUSTRACK, MediaCommand::PreviousTrack},
      {APPCOMMAND_MEDIA_STOP, MediaCommand::Stop},
      {APPCOMMAND_MEDIA_PLAY, MediaCommand::None},
      {APPCOMMAND_VOLUME_UP, MediaCommand::None},
      {APPCOMMAND_BROWSER_BACKWARD, MediaCommand::None},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MediaKeys::fromAppCommand(appCommand(c.appCommand)), c.command) << c.appCommand;
    EXPECT_EQ(MediaKeys::fromAppCommand(appCommand(c.appCommand) | FAPPCOMMAND_KEY), c.command) << c.appCommand;
  }
}

TEST(MediaKeysTest, KeysHeldElsewhereStayThereAndReleasedKeysCanBeTakenAgain) {
  HWND holder = messageWindow();
  HWND player = messageWindow();
  ASSERT_TRUE(RegisterHotKey(holder, 100, 0, VK_MEDIA_NEXT_TRACK));
  {
    MediaKeys keys;
    keys.registerFor(player);
    EXPECT_FALSE(RegisterHotKey(holder, 101, 0, VK_MEDIA_PLAY_PAUSE)) << "the player holds play/pause";
    EXPECT_FALSE(RegisterHotKey(holder, 102, 0, VK_MEDIA_STOP)) << "the player holds stop";
    keys.release();
    EXPECT_TRUE(RegisterHotKey(holder, 101, 0, VK_MEDIA_PLAY_PAUSE)) << "released at shut-down";
    UnregisterHotKey(holder, 101);
  }
  EXPECT_TRUE(UnregisterHotKey(holder, 100)) << "the key held elsewhere was not taken from its holder";
  DestroyWindow(player);
  DestroyWindow(holder);
}

TEST(MediaKeysTest, EachKeyPressedAnswersWithItsOwnCommand) {
  HWND player = messageWindow();
  MediaKeys keys;
  keys.registerFor(player);
  struct Case {
    WORD virtualKey;
    MediaCommand command;
  };
  const Case cases[] = {
      {VK_MEDIA_NEXT_TRACK, MediaCommand::NextTrack},
      {VK_MEDIA_PLAY_PAUSE, MediaCommand::PlayPause},
      {VK_MEDIA_STOP, MediaCommand::Stop},
      {VK_MEDIA_PREV_TRACK, MediaCommand::PreviousTrack},
  };
  for (const Case& c : cases) {
    INPUT press[2] = {};
    press[0].type = press[1].type = INPUT_KEYBOARD;
    press[0].ki.wVk = press[1].ki.wVk = c.virtualKey;
    press[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ASSERT_EQ(SendInput(2, press, sizeof(INPUT)), 2u);
    MSG message = {};
    MediaCommand answered = MediaCommand::None;
    const DWORD deadline = GetTickCount() + 2000;
    while (answered == MediaCommand::None && GetTickCount() < deadline) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
      while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_HOTKEY && message.hwnd == player) answered = MediaKeys::fromHotKey(message.wParam);
      }
    }
    EXPECT_EQ(answered, c.command) << c.virtualKey;
  }
  keys.release();
  DestroyWindow(player);
}
