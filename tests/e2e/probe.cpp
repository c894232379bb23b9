// Looks at the player's window from outside, as another program on the same
// desktop would, and prints what it finds as "key value" lines.
//
//   probe wait SECONDS            wait for a visible player window
//   probe count                   number of player windows
//   probe state                   geometry, styles, transparency, controls
//   probe template EXE            the main window template of EXE, created hidden
//   probe post MSG WPARAM LPARAM [CLASS]  post a message to the player window
//                                 (or to the first window of CLASS)
//   probe send MSG WPARAM LPARAM [CLASS]  send it and print the result
//   probe hold                    keep a hidden window until ended, so that Wine's
//                                 desktop process stays up between two players
//   probe text CLASS              the window text of the first window of CLASS
//   probe lock PATH [SECONDS]     hold PATH open unshared until ended (or for SECONDS),
//                                 as another program holding the settings file would
//   probe short PATH              the short (8.3) form of PATH
//   probe run FOLDER SECONDS EXE  start EXE in FOLDER (as spelled) and print its exit
//                                 code; one still running after SECONDS is ended
//
// Texts are printed as hexadecimal bytes of the probe's own code page, UTF-8
// (its manifest asks for it, as the player's does), so that the reader decodes
// them without guessing and names outside code page 932 come whole.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "RemoteText.h"
#include "resources/resource.h"

namespace {
const int controlIds[] = {IDOK, IDC_PREV, IDC_CUE, IDC_PLAY, IDC_NEXT, IDC_GROUP_MENU, IDC_TRACK_MENU};

bool isPlayerProcess(HWND window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
  if (!process) return false;
  char image[MAX_PATH * 2];
  DWORD size = sizeof image;
  const bool found = QueryFullProcessImageNameA(process, 0, image, &size) != 0;
  CloseHandle(process);
  if (!found) return false;
  const std::string name(image, size);
  const std::string suffix = "vexmoor.exe";
  return name.size() >= suffix.size() &&
         _stricmp(name.c_str() + name.size() - suffix.size(), suffix.c_str()) == 0;
}

BOOL CALLBACK collectPlayerWindow(HWND window, LPARAM found) {
  char className[64] = {};
  GetClassNameA(window, className, sizeof className);
  if (std::string(className) == "#32770" && GetDlgItem(window, IDC_PLAY) && GetDlgItem(window, IDC_TRACK_MENU) &&
      isPlayerProcess(window)) {
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
  }
  return TRUE;
}

std::vector<HWND> playerWindows() {
  std::vector<HWND> found;
  EnumWindows(&collectPlayerWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

HWND playerWindow() {
  const std::vector<HWND> found = playerWindows();
  return found.empty() ? nullptr : found.front();
}

void printRect(const char* key, const RECT& r) {
  std::printf("%s %ld %ld %ld %ld\n", key, r.left, r.top, r.right - r.left, r.bottom - r.top);
}

int printState() {
  HWND window = playerWindow();
  if (!window) return 2;
  RECT bounds{};
  GetWindowRect(window, &bounds);
  printRect("window", bounds);
  RECT client{};
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  std::printf("client %ld %ld %ld %ld\n", origin.x, origin.y, client.right, client.bottom);
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  printRect("workarea", work);
  const LONG_PTR exStyle = GetWindowLongPtrA(window, GWL_EXSTYLE);
  std::printf("exstyle %lld\n", static_cast<long long>(exStyle));
  std::printf("style %lld\n", static_cast<long long>(GetWindowLongPtrA(window, GWL_STYLE)));
  std::printf("topmost %d\n", (exStyle & WS_EX_TOPMOST) ? 1 : 0);
  std::printf("visible %d\n", IsWindowVisible(window) ? 1 : 0);
  std::printf("foreground %d\n", GetForegroundWindow() == window ? 1 : 0);
  BYTE alpha = 0;
  COLORREF key = 0;
  DWORD flags = 0;
  if ((exStyle & WS_EX_LAYERED) && GetLayeredWindowAttributes(window, &key, &alpha, &flags)) {
    std::printf("layered %u %lu\n", alpha, flags);
  } else {
    std::printf("layered none\n");
  }
  for (int id : controlIds) {
    HWND control = GetDlgItem(window, id);
    if (!control) continue;
    RECT r{};
    GetWindowRect(control, &r);
    std::printf("control %d %ld %ld %ld %ld %d %s\n", id, r.left, r.top, r.right - r.left, r.bottom - r.top,
                IsWindowEnabled(control) ? 1 : 0, toHex(windowText(control)).c_str());
  }
  return 0;
}

INT_PTR CALLBACK quietDialog(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

int printTemplate(const char* exe) {
  HMODULE module = LoadLibraryExA(exe, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!module) {
    std::printf("error %lu\n", GetLastError());
    return 2;
  }
  HWND window = CreateDialogParamA(module, MAKEINTRESOURCEA(IDD_PLAYER), nullptr, &quietDialog, 0);
  if (!window) {
    std::printf("error %lu\n", GetLastError());
    return 3;
  }
  RECT bounds{};
  GetWindowRect(window, &bounds);
  printRect("window", bounds);
  for (int id : controlIds) {
    HWND control = GetDlgItem(window, id);
    if (!control) continue;
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    std::printf("control %d %ld %ld %ld %ld\n", id, r.left, r.top, r.right - r.left, r.bottom - r.top);
  }
  DestroyWindow(window);
  FreeLibrary(module);
  return 0;
}

unsigned long long number(const char* text) { return std::strtoull(text, nullptr, 0); }

// WM_DPICHANGED as the system sends it: the new resolution and a suggested
// rectangle that lives in the player's own memory.
int sendDpiChanged(char** argv) {
  HWND window = playerWindow();
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  HANDLE process = window ? OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId) : nullptr;
  if (!process) return 2;
  const int x = std::atoi(argv[3]);
  const int y = std::atoi(argv[4]);
  const RECT suggested{x, y, x + std::atoi(argv[5]), y + std::atoi(argv[6])};
  void* remote = VirtualAllocEx(process, nullptr, sizeof suggested, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  int code = 1;
  DWORD_PTR result = 0;
  if (remote && WriteProcessMemory(process, remote, &suggested, sizeof suggested, nullptr)) {
    const WORD dpi = static_cast<WORD>(number(argv[2]));
    if (SendMessageTimeoutA(window, 0x02E0, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG,
                            5000, &result)) {
      code = 0;
    }
  }
  if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  return code;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 64;
  const std::string command = argv[1];
  if (command == "wait" && argc == 3) {
    const DWORD deadline = GetTickCount() + static_cast<DWORD>(number(argv[2]) * 1000);
    do {
      HWND window = playerWindow();
      if (window && IsWindowVisible(window)) {
        std::printf("window %p\n", static_cast<void*>(window));
        return 0;
      }
      Sleep(100);
    } while (static_cast<LONG>(deadline - GetTickCount()) > 0);
    return 1;
  }
  if (command == "hold") {
    CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
  }
  if (command == "text" && argc == 3) {
    HWND window = FindWindowA(argv[2], nullptr);
    if (!window) return 2;
    std::printf("text %s\n", toHex(windowText(window)).c_str());
    return 0;
  }
  if (command == "lock" && (argc == 3 || argc == 4)) {
    HANDLE file = CreateFileA(argv[2], GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    std::printf("locked\n");
    std::fflush(stdout);
    Sleep(argc == 4 ? static_cast<DWORD>(std::atof(argv[3]) * 1000) : INFINITE);
    CloseHandle(file);
    return 0;
  }
  if (command == "count") {
    std::printf("count %zu\n", playerWindows().size());
    return 0;
  }
  if (command == "dpichanged" && argc == 7) return sendDpiChanged(argv);
  if (command == "state") return printState();
  if (command == "template" && argc == 3) return printTemplate(argv[2]);
  if ((command == "post" || command == "send") && (argc == 5 || argc == 6)) {
    HWND window = argc == 6 ? FindWindowA(argv[5], nullptr) : playerWindow();
    if (!window) return 2;
    const UINT message = static_cast<UINT>(number(argv[2]));
    const WPARAM wParam = static_cast<WPARAM>(number(argv[3]));
    const LPARAM lParam = static_cast<LPARAM>(number(argv[4]));
    if (command == "post") return PostMessageA(window, message, wParam, lParam) ? 0 : 1;
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result)) return 1;
    std::printf("result %llu\n", static_cast<unsigned long long>(result));
    return 0;
  }
  if (command == "short" && argc == 3) {
    char shortPath[MAX_PATH * 2];
    const DWORD length = GetShortPathNameA(argv[2], shortPath, sizeof shortPath);
    return length > 0 && length < sizeof shortPath && std::printf("short %s\n", shortPath) > 0 ? 0 : 1;
  }
  if (command == "run" && argc == 5) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    std::string line = std::string("\"") + argv[4] + "\"";
    if (!CreateProcessA(argv[4], &line[0], nullptr, nullptr, FALSE, 0, nullptr, argv[2], &startup, &started)) return 1;
    if (WaitForSingleObject(started.hProcess, static_cast<DWORD>(number(argv[3]) * 1000)) != WAIT_OBJECT_0) {
      TerminateProcess(started.hProcess, 3);
      return 3;
    }
    DWORD code = 0;
    GetExitCodeProcess(started.hProcess, &code);
    std::printf("exit %lu\n", code);
    return 0;
  }
  return 64;
}
