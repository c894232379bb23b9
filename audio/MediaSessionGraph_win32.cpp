#include "audio/MediaSessionGraph_win32.h"

#include <windows.h>
#include <mfapi.h>
#include <mferror.h>
#include <mfidl.h>

#include <string>
#include <utility>
#include <vector>

#include "audio/MediaFoundation_win32.h"
#include "audio/SessionEvents_win32.h"
#include "audio/VolumeGain.h"
#include "platform/WidePath_win32.h"

namespace {

// A close that is not reported within this time is given up: the session is
// shut down all the same.
constexpr DWORD closePatience = 3000;
// Media Foundation counts time in 100-ns units.
constexpr long long unitsPerMillisecond = 10000;

bool isAudio(IMFStreamDescriptor* stream) {
  ComReference<IMFMediaTypeHandler> handler;
  GUID major = GUID_NULL;
  return SUCCEEDED(stream->GetMediaTypeHandler(handler.put())) && SUCCEEDED(handler->GetMajorType(&major)) &&
         major == MFMediaType_Audio;
}

// Adds source stream -> streaming audio renderer; true when both nodes are in.
// The renderer itself, not its activation object, is in the topology: only so
// can the topology be resolved before the session has it.
bool addAudioBranch(IMFTopology* topology, IMFMediaSource* source, IMFPresentationDescriptor* presentation,
                    IMFStreamDescriptor* stream, IMFMediaSink* renderer) {
  ComReference<IMFStreamSink> input;
  ComReference<IMFTopologyNode> sourceNode;
  ComReference<IMFTopologyNode> outputNode;
  return SUCCEEDED(renderer->GetStreamSinkByIndex(0, input.put())) &&
         SUCCEEDED(media_foundation::createTopologyNode(MF_TOPOLOGY_SOURCESTREAM_NODE, sourceNode.put())) &&
         SUCCEEDED(sourceNode->SetUnknown(MF_TOPONODE_SOURCE, source)) &&
         SUCCEEDED(sourceNode->SetUnknown(MF_TOPONODE_PRESENTATION_DESCRIPTOR, presentation)) &&
         SUCCEEDED(sourceNode->SetUnknown(MF_TOPONODE_STREAM_DESCRIPTOR, stream)) &&
         SUCCEEDED(topology->AddNode(sourceNode.get())) &&
         SUCCEEDED(media_foundation::createTopologyNode(MF_TOPOLOGY_OUTPUT_NODE, outputNode.put())) &&
         SUCCEEDED(outputNode->SetObject(input.get())) && SUCCEEDED(topology->AddNode(outputNode.get())) &&
         SUCCEEDED(sourceNode->ConnectOutput(0, outputNode.get(), 0));
}

}  // namespace

// The end of the presentation ends the track; so does an error, a topology that
// could not be set or started, and the loss of the audio device or of its
// session (unplugged, its format changed, the audio service stopped, taken by
// another program exclusively), after which the renderer is invalid: else the
// player would show "playing" over silence.
bool MediaSessionGraph::endsStream(unsigned long eventType, long status) {
  switch (eventType) {
    case MESessionEnded:
    case MEError:
    case MEAudioSessionDeviceRemoved:
    case MEAudioSessionFormatChanged:
    case MEAudioSessionServerShutdown:
    case MEAudioSessionExclusiveModeOverride:
      return true;
  }
  return FAILED(status) && (eventType == MESessionTopologySet || eventType == MESessionStarted);
}

MediaSessionGraph::MediaSessionGraph() {
  CoInitialize(nullptr);
  mediaFoundation_ = SUCCEEDED(media_foundation::startup());
}

MediaSessionGraph::~MediaSessionGraph() {
  release();
  if (mediaFoundation_) media_foundation::shutdown();
  CoUninitialize();
}

void MediaSessionGraph::create(const GraphNotifyTarget& target) {
  release();
  target_ = target;
  created_ = mediaFoundation_;
}

void MediaSessionGraph::release() {
  closeTrack();
  created_ = false;
  rendered_ = false;
  lost_ = false;
  running_ = false;
  ended_ = false;
  endPending_ = false;
}

// The documented order: the session is closed and its close awaited before the
// session, the source and the renderer are shut down; only then are their
// threads and files let go.
void MediaSessionGraph::closeTrack() {
  if (session_) {
    if (SUCCEEDED(session_->Close())) events_->waitForClose(closePatience);
    session_->Shutdown();
  }
  if (source_) source_->Shutdown();
  if (renderer_) renderer_->Shutdown();
  session_.reset();
  renderer_.reset();
  source_.reset();
  events_.reset();
  duration_ = 0;
  startAt_ = -1;
}

bool MediaSessionGraph::renderFile(const std::string& path) {
  if (!created_ || rendered_) return false;
  path_ = path;
  rendered_ = openTrack();
  return rendered_;
}

// The session is made only for a file whose source opened and whose topology
// resolved, so that refusing a file costs no session. The decoders between
// source and renderer are found now: a file that cannot play fails here, as
// DirectShow's render does.
bool MediaSessionGraph::openTrack() {
  ComReference<IMFTopology> partial;
  ComReference<IMFTopoLoader> loader;
  ComReference<IMFTopology> full;
  const bool opened = openSource(path_) && makeRenderer() &&
                      SUCCEEDED(media_foundation::createTopology(partial.put())) &&
                      connectFirstAudioStream(partial.get()) &&
                      SUCCEEDED(media_foundation::createTopoLoader(loader.put())) &&
                      SUCCEEDED(loader->Load(partial.get(), full.put(), nullptr)) && openSession(full.get());
  if (!opened) {
    closeTrack();
    return false;
  }
  applyVolume();
  return true;
}

// The source is found by the file's content, not only by its name.
bool MediaSessionGraph::openSource(const std::string& path) {
  const std::wstring wide = widePath(path);
  ComReference<IMFSourceResolver> resolver;
  ComReference<IUnknown> object;
  MF_OBJECT_TYPE type = MF_OBJECT_INVALID;
  const DWORD flags = MF_RESOLUTION_MEDIASOURCE | MF_RESOLUTION_READ |
                      MF_RESOLUTION_CONTENT_DOES_NOT_HAVE_TO_MATCH_EXTENSION_OR_MIME_TYPE;
  return !wide.empty() && SUCCEEDED(media_foundation::createSourceResolver(resolver.put())) &&
         SUCCEEDED(resolver->CreateObjectFromURL(wide.c_str(), flags, nullptr, &type, object.put())) &&
         SUCCEEDED(object->QueryInterface(IID_IMFMediaSource, source_.putVoid()));
}

bool MediaSessionGraph::makeRenderer() { return SUCCEEDED(media_foundation::createAudioRenderer(renderer_.put())); }

// The first audio stream of the file to the renderer; every other stream is
// left out.
bool MediaSessionGraph::connectFirstAudioStream(IMFTopology* topology) {
  ComReference<IMFPresentationDescriptor> presentation;
  DWORD streams = 0;
  if (FAILED(source_->CreatePresentationDescriptor(presentation.put())) ||
      FAILED(presentation->GetStreamDescriptorCount(&streams))) {
    return false;
  }
  UINT64 duration = 0;
  if (SUCCEEDED(presentation->GetUINT64(MF_PD_DURATION, &duration))) duration_ = static_cast<long long>(duration);
  bool connected = false;
  for (DWORD i = 0; i < streams; ++i) {
    BOOL selected = FALSE;
    ComReference<IMFStreamDescriptor> stream;
    if (FAILED(presentation->GetStreamDescriptorByIndex(i, &selected, stream.put()))) continue;
    if (!connected && selected && isAudio(stream.get()) &&
        addAudioBranch(topology, source_.get(), presentation.get(), stream.get(), renderer_.get())) {
      connected = true;
    } else {
      presentation->DeselectStream(i);
    }
  }
  return connected;
}

bool MediaSessionGraph::openSession(IMFTopology* topology) {
  if (FAILED(media_foundation::createMediaSession(session_.put()))) return false;
  events_ = ComReference<SessionEvents>(new SessionEvents(reinterpret_cast<HWND>(target_.window), target_.message));
  // Wine's session plays a resolved topology only when it resolves it itself;
  // with every node in place already, that costs it little.
  return events_->listenTo(session_.get()) && SUCCEEDED(session_->SetTopology(0, topology));
}

// A track whose file could not be opened again ends at once, as an error ends
// it: the player goes on to the next one instead of showing "playing" over
// silence.
void MediaSessionGraph::run() {
  if (lost_) announceEnd();
  if (!session_) return;
  PROPVARIANT from;
  PropVariantInit(&from);
  if (startAt_ >= 0) {
    from.vt = VT_I8;
    from.hVal.QuadPart = std::exchange(startAt_, -1);
  }
  session_->Start(&GUID_NULL, &from);
  running_ = true;
}

// An ended track is closed already; there is nothing to pause.
void MediaSessionGraph::stop() {
  if (session_ && running_) session_->Pause();
  running_ = false;
}

// The track is built anew at its start: under Wine a session restarted at
// position 0 after its end plays nothing more. A running track goes on running.
void MediaSessionGraph::rewind() {
  if (!rendered_ || lost_) return;
  closeTrack();
  ended_ = false;
  if (!openTrack()) {
    lost_ = true;
    ended_ = true;
    if (running_) announceEnd();
    return;
  }
  if (running_) run();
}

bool MediaSessionGraph::atEnd() { return rendered_ && ended_; }

void MediaSessionGraph::announceEnd() {
  endPending_ = true;
  PostMessageA(reinterpret_cast<HWND>(target_.window), target_.message, 0, 0);
}

// An ended track is closed at once, the whole of it: under Wine the audio
// renderer left running past the end keeps starting threads until it is shut
// down, and a rewind builds the track anew anyway.
bool MediaSessionGraph::takeCompletion() {
  if (std::exchange(endPending_, false)) return true;
  if (!events_) return false;
  SessionEvents::Event event;
  while (events_->take(event)) {
    if (event.type == MESessionStarted && SUCCEEDED(event.status)) applyVolume();
    if (endsStream(event.type, event.status)) {
      ended_ = true;
      closeTrack();
      return true;
    }
  }
  return false;
}

void MediaSessionGraph::setVolume(int level) {
  volume_ = level;
  applyVolume();
}

// The level is the stream's own, set on each of its channels: the simple
// volume would be the process's audio session's, which DirectShow's renderer
// shares and Windows keeps as the user's own setting in the Volume Mixer. The
// session serves the stream's volume only once it has taken the topology, so
// until then the renderer is asked itself; and the level is set again when the
// session has started, when the renderer has its stream (no channels before).
// A renderer without the service plays at full level.
void MediaSessionGraph::applyVolume() {
  for (IUnknown* owner : {static_cast<IUnknown*>(session_.get()), static_cast<IUnknown*>(renderer_.get())}) {
    ComReference<IMFGetService> services;
    ComReference<IMFAudioStreamVolume> volume;
    UINT32 channels = 0;
    if (owner && SUCCEEDED(owner->QueryInterface(IID_IMFGetService, services.putVoid())) &&
        SUCCEEDED(services->GetService(MR_STREAM_VOLUME_SERVICE, IID_IMFAudioStreamVolume, volume.putVoid())) &&
        SUCCEEDED(volume->GetChannelCount(&channels))) {
      const std::vector<float> levels(channels, volume_gain::amplitude(volume_));
      if (channels > 0) volume->SetAllVolumes(channels, levels.data());
      return;
    }
  }
}

// Where the presentation clock stands; a pause keeps it, the next start moves it.
std::int64_t MediaSessionGraph::currentPosition() {
  if (!session_ || ended_) return 0;
  if (startAt_ >= 0) return startAt_ / unitsPerMillisecond;
  ComReference<IMFClock> clock;
  ComReference<IMFPresentationClock> presentationClock;
  MFTIME time = 0;
  if (FAILED(session_->GetClock(clock.put())) ||
      FAILED(clock->QueryInterface(IID_IMFPresentationClock, presentationClock.putVoid())) ||
      FAILED(presentationClock->GetTime(&time))) {
    return 0;
  }
  return time / unitsPerMillisecond;
}

std::int64_t MediaSessionGraph::length() { return session_ ? duration_ / unitsPerMillisecond : 0; }

// A track that has ended is built anew first, as for a rewind.
void MediaSessionGraph::seek(std::int64_t milliseconds) {
  if (!rendered_ || lost_ || milliseconds < 0 || milliseconds > MAXLONGLONG / unitsPerMillisecond) return;
  if (ended_) rewind();
  if (!session_) return;
  startAt_ = milliseconds * unitsPerMillisecond;
  if (running_) run();
}
