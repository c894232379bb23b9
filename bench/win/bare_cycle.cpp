// The baseline of the soak: plays FOLDER\t0000.wav up to t(COUNT-1).wav in
// turn, one fresh DirectShow graph per file as the player makes them, and
// shows the name of the file it plays as its window text.
//   vexmoor_bare_cycle FOLDER COUNT
// A sent pauseMessage stops the graph, the next one goes on with the next
// file. After the last file it stays until ended.
#include <windows.h>
#include <dshow.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "CycleWindow.h"

namespace {

constexpr UINT graphNotify = WM_APP + 201;

class Cycle {
 public:
  Cycle(HWND window, std::string folder, int count) : window_(window), folder_(std::move(folder)), count_(count) {}
  ~Cycle() { release(); }

  // After the last file its graph stays, stopped at its end, as the player's does.
  void playNext() {
    if (paused_ || next_ >= count_) return;
    release();
    char name[32];
    std::snprintf(name, sizeof name, "t%04d.wav", next_++);
    if (FAILED(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder,
                                reinterpret_cast<void**>(&builder_)))) {
      return;
    }
    builder_->QueryInterface(IID_IMediaControl, reinterpret_cast<void**>(&control_));
    builder_->QueryInterface(IID_IMediaEventEx, reinterpret_cast<void**>(&events_));
    events_->SetNotifyWindow(reinterpret_cast<OAHWND>(window_), graphNotify, 0);
    WCHAR path[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, (folder_ + "\\" + name).c_str(), -1, path, MAX_PATH);
    if (FAILED(builder_->RenderFile(path, nullptr))) return;
    SetWindowTextA(window_, name);
    control_->Run();
  }

  // Stops the file, or goes on with the next one; a completion that comes in
  // between is not taken for a track change.
  void togglePause() {
    paused_ = !paused_;
    if (!paused_) {
      playNext();
    } else if (control_) {
      control_->Stop();
    }
  }

  // True when the file has played to its end.
  bool completed() {
    bool ended = false;
    long code;
    LONG_PTR first, second;
    while (events_ && SUCCEEDED(events_->GetEvent(&code, &first, &second, 0))) {
      ended = ended || code == EC_COMPLETE;
      events_->FreeEventParams(code, first, second);
    }
    return ended;
  }

 private:
  void release() {
    if (control_) control_->Stop();
    if (events_) events_->SetNotifyWindow(0, 0, 0);
    for (IUnknown* held : {static_cast<IUnknown*>(events_), static_cast<IUnknown*>(control_),
                           static_cast<IUnknown*>(builder_)}) {
      if (held) held->Release();
    }
    events_ = nullptr;
    control_ = nullptr;
    builder_ = nullptr;
  }

  HWND window_;
  std::string folder_;
  int count_;
  int next_ = 0;
  bool paused_ = false;
  IGraphBuilder* builder_ = nullptr;
  IMediaControl* control_ = nullptr;
  IMediaEventEx* events_ = nullptr;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return 64;
  CoInitialize(nullptr);
  HWND window = createCycleWindow<Cycle>("VexmoorBareCycle");
  {
    Cycle cycle(window, argv[1], std::atoi(argv[2]));
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&cycle));
    cycle.playNext();
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
      if (message.message == graphNotify && cycle.completed()) cycle.playNext();
      DispatchMessageA(&message);
    }
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
  }
  CoUninitialize();
  return 0;
}
