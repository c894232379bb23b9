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
#include <mfapi.h>
#include <mfidl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "CycleWindow.h"

namespace {


template <typename Interface>
void drop(Interface*& held) {
  if (held) held->Release();
  held = nullptr;
}

class Cycle {
 public:
  Cycle(HWND window, std::string folder, int count) : window_(window), folder_(std::move(folder)), count_(count) {}
  ~Cycle() { release(); }

  void playNext() {
    if (paused_ || next_ >= count_) return;
    release();
    char name[32];
    std::snprintf(name, sizeof name, "t%04d.wav", next_++);
    WCHAR path[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, (folder_ + "\\" + name).c_str(), -1, path, MAX_PATH);
    IMFTopology* topology = open(path);
    const bool set = topology && SUCCEEDED(MFCreateMediaSession(nullptr, &session_)) &&
                     SUCCEEDED(session_->SetTopology(0, topology));
    drop(topology);
    if (!set) return;
    SetWindowTextA(window_, name);
    PROPVARIANT fromHere;
    PropVariantInit(&fromHere);
    session_->Start(&GUID_NULL, &fromHere);
  }

  void togglePause() {
    paused_ = !paused_;
    if (!paused_) {
      playNext();
    } else if (session_) {
      session_->Pause();
    }
  }

  // True when the session has reported its end since the last look. The
  // renderer is shut down at once, as the player's is: under Wine it keeps
  // starting threads past the end until then.
  bool completed() {
    bool ended = false;
    MediaEventType type = MEUnknown;
    while (nextEvent(type)) ended = ended || type == MESessionEnded;
    if (ended && renderer_) renderer_->Shutdown();
    return ended;
  }

 private:
  bool nextEvent(MediaEventType& type) {
    IMFMediaEvent* event = nullptr;
    if (!session_ || FAILED(session_->GetEvent(MF_EVENT_FLAG_NO_WAIT, &event))) return false;
    event->GetType(&type);
    event->Release();
    return true;
  }

  // The file's source and its first stream to a new audio renderer, resolved.
  IMFTopology* open(const WCHAR* path) {
    IMFSourceResolver* resolver = nullptr;
    IUnknown* object = nullptr;
    MF_OBJECT_TYPE type = MF_OBJECT_INVALID;
    if (SUCCEEDED(MFCreateSourceResolver(&resolver)) &&
        SUCCEEDED(resolver->CreateObjectFromURL(path, MF_RESOLUTION_MEDIASOURCE, nullptr, &type, &object))) {
      object->QueryInterface(IID_IMFMediaSource, reinterpret_cast<void**>(&source_));
    }
    drop(object);
    drop(resolver);
    IMFPresentationDescriptor* presentation = nullptr;
    IMFStreamDescriptor* stream = nullptr;
    IMFStreamSink* input = nullptr;
    IMFTopology* partial = nullptr;
    IMFTopologyNode* sourceNode = nullptr;
    IMFTopologyNode* outputNode = nullptr;
    IMFTopoLoader* loader = nullptr;
    IMFTopology* full = nullptr;
    BOOL selected = FALSE;
    const bool loaded = source_ && SUCCEEDED(source_->CreatePresentationDescriptor(&presentation)) &&
                        SUCCEEDED(presentation->GetStreamDescriptorByIndex(0, &selected, &stream)) &&
                        SUCCEEDED(MFCreateAudioRenderer(nullptr, &renderer_)) &&
                        SUCCEEDED(renderer_->GetStreamSinkByIndex(0, &input)) && SUCCEEDED(MFCreateTopology(&partial)) &&
                        SUCCEEDED(MFCreateTopologyNode(MF_TOPOLOGY_SOURCESTREAM_NODE, &sourceNode)) &&
                        SUCCEEDED(sourceNode->SetUnknown(MF_TOPONODE_SOURCE, source_)) &&
                        SUCCEEDED(sourceNode->SetUnknown(MF_TOPONODE_PRESENTATION_DESCRIPTOR, presentation)) &&
                        SUCCEEDED(sourceNode->SetUnknown(MF_TOPONODE_STREAM_DESCRIPTOR, stream)) &&
                        SUCCEEDED(MFCreateTopologyNode(MF_TOPOLOGY_OUTPUT_NODE, &outputNode)) &&
                        SUCCEEDED(outputNode->SetObject(input)) && SUCCEEDED(partial->AddNode(sourceNode)) &&
                        SUCCEEDED(partial->AddNode(outputNode)) && SUCCEEDED(sourceNode->ConnectOutput(0, outputNode, 0)) &&
                        SUCCEEDED(MFCreateTopoLoader(&loader)) && SUCCEEDED(loader->Load(partial, &full, nullptr));
    drop(loader);
    drop(outputNode);
    drop(sourceNode);
    drop(partial);
    drop(input);
    drop(stream);
    drop(presentation);
    if (!loaded) drop(full);
    return full;
  }

  void release() {
    if (session_ && SUCCEEDED(session_->Close())) {
      const DWORD start = GetTickCount();
      MediaEventType type = MEUnknown;
      while (type != MESessionClosed && GetTickCount() - start < 3000) {
        if (!nextEvent(type)) Sleep(1);
      }
    }
    if (source_) source_->Shutdown();
    if (session_) session_->Shutdown();
    if (renderer_) renderer_->Shutdown();
    drop(session_);
    drop(renderer_);
    drop(source_);
  }

  HWND window_;
  std::string folder_;
  int count_;
  int next_ = 0;
  bool paused_ = false;
  IMFMediaSource* source_ = nullptr;
  IMFMediaSink* renderer_ = nullptr;
  IMFMediaSession* session_ = nullptr;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return 64;
  CoInitialize(nullptr);
  if (FAILED(MFStartup(MF_VERSION, MFSTARTUP_LITE))) return 1;
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
  MFShutdown();
  CoUninitialize();
  return 0;
}
