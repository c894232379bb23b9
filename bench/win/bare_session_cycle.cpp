// The baseline of the Media Foundation soak: plays FOLDER\t0000.wav up to
// t(COUNT-1).wav in turn, one fresh Media Session per file (source, its first
// stream to the audio renderer, topology resolved, session started), and shows
// the name of the file it plays as its window text.
//   vexmoor_bare_session_cycle FOLDER COUNT
// Each session is let go in the documented order: Close, its report awaited,
// then source, session and renderer shut down and every object released. A
// sent pauseMessage pauses the session, the next one goes on with the next
// file. After the last file it stays until ended.
#include <windows.h>
#include <objbase.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "BareSession.h"
#include "CycleWindow.h"

namespace {

class Cycle {
 public:
  Cycle(HWND window, std::string folder, int count) : window_(window), folder_(std::move(folder)), count_(count) {}

  void playNext() {
    if (paused_ || next_ >= count_) return;
    char name[32];
    std::snprintf(name, sizeof name, "t%04d.wav", next_++);
    if (!session_.play(folder_ + "\\" + name)) return;
    SetWindowTextA(window_, name);
  }

  void togglePause() {
    paused_ = !paused_;
    if (!paused_) {
      playNext();
    } else {
      session_.pause();
    }
  }

  bool completed() { return session_.ended(); }

 private:
  HWND window_;
  std::string folder_;
  int count_;
  int next_ = 0;
  bool paused_ = false;
  BareSession session_;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return 64;
  CoInitialize(nullptr);
  HWND window = createCycleWindow<Cycle>("VexmoorBareSessionCycle");
  {
    Cycle cycle(window, argv[1], std::atoi(argv[2]));
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&cycle));
    cycle.playNext();
    // The session's events are looked at between the window's messages, at
    // most a few milliseconds after they come, as the player's are.
    bool quit = false;
    while (!quit) {
      MSG message;
      while (!quit && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        quit = message.message == WM_QUIT;
        DispatchMessageA(&message);
      }
      if (cycle.completed()) cycle.playNext();
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
  }
  CoUninitialize();
  return 0;
}
