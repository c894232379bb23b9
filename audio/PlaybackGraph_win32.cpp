#include "audio/PlaybackGraph_win32.h"

#include <windows.h>
#include <dshow.h>

#include <string>

#include "audio/VolumeGain.h"
#include "platform/WidePath_win32.h"

namespace {
// DirectShow's default time format counts in 100-ns units.
constexpr LONGLONG unitsPerMillisecond = 10000;
}  // namespace

// A stream that broke or was aborted has ended as surely as one that played out:
// the player moves on instead of showing "playing" over silence.
bool PlaybackGraph::endsStream(long eventCode) {
  return eventCode == EC_COMPLETE || eventCode == EC_ERRORABORT || eventCode == EC_USERABORT ||
         eventCode == EC_STREAM_ERROR_STOPPED;
}

PlaybackGraph::PlaybackGraph() { CoInitialize(nullptr); }

PlaybackGraph::~PlaybackGraph() {
  release();
  CoUninitialize();
}

void PlaybackGraph::create(const GraphNotifyTarget& target) {
  release();
  // A failed query leaves its reference empty: COM empties the out-argument.
  if (FAILED(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder,
                              graphBuilder_.putVoid()))) {
    graphBuilder_.reset();
    return;
  }
  graphBuilder_->QueryInterface(IID_IMediaControl, mediaControl_.putVoid());
  if (SUCCEEDED(graphBuilder_->QueryInterface(IID_IMediaEventEx, mediaEvent_.putVoid()))) {
    mediaEvent_->SetNotifyWindow(static_cast<OAHWND>(target.window), static_cast<long>(target.message), 0);
  }
  graphBuilder_->QueryInterface(IID_IMediaSeeking, mediaSeeking_.putVoid());
  graphBuilder_->QueryInterface(IID_IBasicAudio, basicAudio_.putVoid());
}

// Rendered in full: every stream, or all but a picture. A partial graph (the
// sound not rendered, or any other part missing) is no success: the file goes
// to the next engine.
bool PlaybackGraph::renderedInFull(long result) {
  return result == S_OK || result == VFW_S_DUPLICATE_NAME || result == VFW_S_VIDEO_NOT_RENDERED;
}

void PlaybackGraph::release() {
  // Wine leaves a graph released while it runs, and its threads, alive now and
  // then when the machine is busy: stopping it first lets it go every time.
  stop();
  // No more notifications to the window, and none of the graph's events left
  // holding their parameters.
  if (mediaEvent_) {
    mediaEvent_->SetNotifyWindow(0, 0, 0);
    while (takeEvent()) {
    }
  }
  rendered_ = false;
  ended_ = false;
  basicAudio_.reset();
  mediaSeeking_.reset();
  mediaControl_.reset();
  mediaEvent_.reset();
  graphBuilder_.reset();
  stoppedAt_ = -1;
}

bool PlaybackGraph::renderFile(const std::string& path) {
  if (!graphBuilder_ || rendered_) return false;
  std::wstring wide = widePath(path);
  if (!renderedInFull(graphBuilder_->RenderFile(wide.c_str(), nullptr))) {
    release();
    return false;
  }
  hidePicture();
  // The graph hands the volume to its audio renderer, which exists only now.
  setVolume(volume_);
  rendered_ = true;
  return true;
}

// A file with a picture has a video renderer (RenderFile takes one with a
// window of its own), whose window would show at run: the player is a bar, and
// only the sound is wanted. Without a video renderer the graph refuses these
// calls with E_NOINTERFACE, and there is nothing to hide.
void PlaybackGraph::hidePicture() {
  ComReference<IVideoWindow> video;
  if (FAILED(graphBuilder_->QueryInterface(IID_IVideoWindow, video.putVoid()))) return;
  video->put_AutoShow(OAFALSE);
  video->put_Visible(OAFALSE);
}

void PlaybackGraph::run() {
  stoppedAt_ = -1;
  if (!mediaControl_) return;
  // A track stopped is cued first, as Run itself is documented to do: Wine
  // 10's graph, run straight from a stop once its volume was set, never
  // starts its clock, and the track neither plays nor ends.
  OAFilterState state = State_Running;
  if (rendered_ && SUCCEEDED(mediaControl_->GetState(0, &state)) && state == State_Stopped) mediaControl_->Pause();
  mediaControl_->Run();
}

void PlaybackGraph::stop() {
  LONGLONG position = 0;
  if (mediaSeeking_ && stoppedAt_ < 0 && SUCCEEDED(mediaSeeking_->GetCurrentPosition(&position))) {
    stoppedAt_ = position;
  }
  if (mediaControl_) mediaControl_->Stop();
}

void PlaybackGraph::rewind() {
  if (!mediaSeeking_) return;
  stoppedAt_ = -1;
  LONGLONG start = 0;
  if (SUCCEEDED(mediaSeeking_->SetPositions(&start, AM_SEEKING_AbsolutePositioning, nullptr,
                                            AM_SEEKING_NoPositioning))) {
    ended_ = false;
  }
}

// The completion taken says it. The positions only for a graph without an
// event queue: a running graph rewound reports its stop position as its
// current one for a moment under Wine.
bool PlaybackGraph::atEnd() {
  if (mediaEvent_) return ended_;
  if (!mediaSeeking_) return false;
  LONGLONG current = 0;
  LONGLONG stopPosition = 0;
  if (FAILED(mediaSeeking_->GetPositions(&current, &stopPosition))) return false;
  return current == stopPosition;
}

bool PlaybackGraph::takeCompletion() {
  long eventCode = 0;
  while (takeEvent(&eventCode)) {
    if (eventCode == EC_COMPLETE) ended_ = true;
    if (endsStream(eventCode)) return true;
  }
  return false;
}

// A graph whose renderer takes no volume (E_NOTIMPL) plays at full level.
void PlaybackGraph::setVolume(int level) {
  volume_ = level;
  if (basicAudio_) basicAudio_->put_Volume(volume_gain::hundredthsOfDecibel(level));
}

std::int64_t PlaybackGraph::currentPosition() {
  LONGLONG position = stoppedAt_;
  if (position < 0 && (!mediaSeeking_ || FAILED(mediaSeeking_->GetCurrentPosition(&position)))) return 0;
  return position / unitsPerMillisecond;
}

std::int64_t PlaybackGraph::length() {
  LONGLONG duration = 0;
  if (!mediaSeeking_ || FAILED(mediaSeeking_->GetDuration(&duration))) return 0;
  return duration / unitsPerMillisecond;
}

void PlaybackGraph::seek(std::int64_t milliseconds) {
  if (!mediaSeeking_ || milliseconds < 0 || milliseconds > MAXLONGLONG / unitsPerMillisecond) return;
  stoppedAt_ = -1;
  LONGLONG position = milliseconds * unitsPerMillisecond;
  if (SUCCEEDED(mediaSeeking_->SetPositions(&position, AM_SEEKING_AbsolutePositioning, nullptr,
                                            AM_SEEKING_NoPositioning))) {
    ended_ = false;
  }
}

bool PlaybackGraph::takeEvent(long* code) {
  long eventCode = 0;
  LONG_PTR first = 0;
  LONG_PTR second = 0;
  if (!mediaEvent_ || FAILED(mediaEvent_->GetEvent(&eventCode, &first, &second, 0))) return false;
  mediaEvent_->FreeEventParams(eventCode, first, second);
  if (code) *code = eventCode;
  return true;
}
