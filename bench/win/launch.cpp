// Starts a program and waits for its first visible window; prints the time
// that took and leaves the program running, so that its cost can be read off
// from outside afterwards.
//   launch [--play] program [args...]
// --play clicks the player's play button (command 1001) once the window is up.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

struct Search {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK findVisibleWindow(HWND window, LPARAM parameter) {
  Search* search = reinterpret_cast<Search*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId && IsWindowVisible(window)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  int first = 1;
  bool play = first < argc && std::string(argv[first]) == "--play";
  if (play) ++first;
  if (first >= argc) {
    std::fprintf(stderr, "usage: launch [--play] program [args]\n");
    return 2;
  }
  std::string command;
  for (int i = first; i < argc; ++i) command += std::string(i > first ? " \"" : "\"") + argv[i] + "\"";

  LARGE_INTEGER frequency, started, shown;
  QueryPerformanceFrequency(&frequency);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  QueryPerformanceCounter(&started);
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    std::fprintf(stderr, "cannot start %s\n", command.c_str());
    return 1;
  }
  Search search{process.dwProcessId, nullptr};
  while (!search.found) {
    EnumWindows(findVisibleWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found || WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) break;
  }
  QueryPerformanceCounter(&shown);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  if (!search.found) {
    std::fprintf(stderr, "no window appeared\n");
    return 1;
  }
  if (play) PostMessageA(search.found, WM_COMMAND, MAKEWPARAM(1001, BN_CLICKED), 0);
  std::printf("window_ms=%.1f\n",
              1000.0 * static_cast<double>(shown.QuadPart - started.QuadPart) / frequency.QuadPart);
  return 0;
}
