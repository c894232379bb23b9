// Another program on the player's desktop, for the end-to-end tests: it shows
// reference menus to compare the player's with, lists the dialogs the player
// has open, and holds the focus or the media keys.
//
//   companion mainmenu EXE X Y FOLDER_HEX EXT_HEX CHECKED_IDS
//       EXE's main menu with the two texts replaced and the listed commands
//       (comma-separated, or "-") checked, open at X, Y until it is closed
//   companion listmenu X Y [TEXT_HEX ...]
//       a pop-up of these item texts, open at X, Y until it is closed
//   companion dialogs
//       the open pop-up menus of any program ("popup X Y W H") and the dialogs
//       owned by the player's window: "dialog X Y W H" and one
//       "item ID X Y W H TEXT_HEX" line for each child
//   companion window X Y W H SECONDS [hold]
//       a window that takes the focus for SECONDS; with "hold" it first takes
//       the four media keys ("held N") and prints "hotkey ID" for each press
//
// Texts are hexadecimal bytes of UTF-8, the code page the companion runs with
// (its manifest), as the player does. A menu prints "open" once it is about to
// show and "closed" when it has gone.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "RemoteText.h"
#include "resources/resource.h"

namespace {

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_HOTKEY) {
    std::printf("hotkey %u\n", static_cast<unsigned>(wParam));
    std::fflush(stdout);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

HWND createWindow(int x, int y, int width, int height, bool visible) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = windowProcedure;
  windowClass.lpszClassName = "VexmoorCompanion";
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  RegisterClassA(&windowClass);
  return CreateWindowExA(WS_EX_TOOLWINDOW, "VexmoorCompanion", "companion", WS_POPUP | (visible ? WS_VISIBLE : 0),
                         x, y, width, height, nullptr, nullptr, nullptr, nullptr);
}

void showMenu(HMENU menu, int x, int y) {
  // The keys reach a menu through the foreground window of its thread.
  HWND owner = createWindow(0, 0, 1, 1, true);
  SetForegroundWindow(owner);
  std::printf("open\n");
  std::fflush(stdout);
  TrackPopupMenu(menu, TPM_LEFTBUTTON, x, y, 0, owner, nullptr);
  std::printf("closed\n");
  DestroyWindow(owner);
}

int mainMenu(char** argv) {
  HMODULE module = LoadLibraryExA(argv[2], nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!module) return 2;
  HMENU resource = LoadMenuA(module, MAKEINTRESOURCEA(IDR_MAIN_MENU));
  if (!resource) return 3;
  HMENU menu = GetSubMenu(resource, 0);
  const std::pair<UINT, std::string> texts[] = {{ID_FOLDER_CURRENT, fromHex(argv[5])},
                                                {ID_EXCLUDE_EXT, fromHex(argv[6])}};
  for (const auto& text : texts) {
    ModifyMenuA(menu, text.first, MF_BYCOMMAND | MF_STRING, text.first, text.second.c_str());
  }
  const std::string checked = argv[7];
  for (const char* at = checked.c_str(); *at && *at != '-';) {
    char* end = nullptr;
    CheckMenuItem(menu, static_cast<UINT>(std::strtoul(at, &end, 10)), MF_BYCOMMAND | MF_CHECKED);
    at = *end == ',' ? end + 1 : end;
  }
  showMenu(menu, std::atoi(argv[3]), std::atoi(argv[4]));
  DestroyMenu(resource);
  return 0;
}

int listMenu(int argc, char** argv) {
  HMENU menu = CreatePopupMenu();
  for (int i = 4; i < argc; ++i) AppendMenuA(menu, MF_STRING, 100 + i, fromHex(argv[i]).c_str());
  showMenu(menu, std::atoi(argv[2]), std::atoi(argv[3]));
  DestroyMenu(menu);
  return 0;
}

bool isPlayerWindow(HWND window) {
  char className[64] = {};
  GetClassNameA(window, className, sizeof className);
  return window && std::string(className) == "#32770" && GetDlgItem(window, IDC_PLAY) &&
         GetDlgItem(window, IDC_TRACK_MENU);
}

BOOL CALLBACK printItem(HWND child, LPARAM) {
  RECT bounds = {};
  GetWindowRect(child, &bounds);
  std::printf("item %d %ld %ld %ld %ld %s\n", GetDlgCtrlID(child), bounds.left, bounds.top,
              bounds.right - bounds.left, bounds.bottom - bounds.top, toHex(windowText(child)).c_str());
  return TRUE;
}

BOOL CALLBACK printOwnedDialog(HWND window, LPARAM) {
  char className[64] = {};
  GetClassNameA(window, className, sizeof className);
  if (IsWindowVisible(window) && std::string(className) == "#32768") {
    RECT bounds = {};
    GetWindowRect(window, &bounds);
    std::printf("popup %ld %ld %ld %ld\n", bounds.left, bounds.top, bounds.right - bounds.left,
                bounds.bottom - bounds.top);
    return TRUE;
  }
  if (!IsWindowVisible(window) || !isPlayerWindow(GetWindow(window, GW_OWNER))) return TRUE;
  RECT bounds = {};
  GetWindowRect(window, &bounds);
  std::printf("dialog %ld %ld %ld %ld\n", bounds.left, bounds.top, bounds.right - bounds.left,
              bounds.bottom - bounds.top);
  EnumChildWindows(window, &printItem, 0);
  return TRUE;
}

int focusWindow(int argc, char** argv) {
  HWND window = createWindow(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]), true);
  if (argc > 7 && std::string(argv[7]) == "hold") {
    const UINT keys[] = {VK_MEDIA_PLAY_PAUSE, VK_MEDIA_NEXT_TRACK, VK_MEDIA_PREV_TRACK, VK_MEDIA_STOP};
    int held = 0;
    for (int i = 0; i < 4; ++i) held += RegisterHotKey(window, i + 1, 0, keys[i]) ? 1 : 0;
    std::printf("held %d\n", held);
  }
  std::printf("open\n");
  std::fflush(stdout);
  SetForegroundWindow(window);
  const DWORD deadline = GetTickCount() + static_cast<DWORD>(std::atof(argv[6]) * 1000);
  MSG message;
  while (static_cast<LONG>(deadline - GetTickCount()) > 0) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  }
  DestroyWindow(window);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 64;
  const std::string command = argv[1];
  if (command == "mainmenu" && argc == 8) return mainMenu(argv);
  if (command == "listmenu" && argc >= 4) return listMenu(argc, argv);
  if (command == "dialogs") return EnumWindows(&printOwnedDialog, 0) ? 0 : 1;
  if (command == "window" && argc >= 7) return focusWindow(argc, argv);
  return 64;
}
