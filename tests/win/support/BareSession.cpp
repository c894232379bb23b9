#include "BareSession.h"

#include <windows.h>
#include <mfapi.h>
#include <mfidl.h>

#include "audio/ComReference_win32.h"
#include "platform/WidePath_win32.h"

namespace {

bool connectFirstStream(IMFTopology* topology, IMFMediaSource* source) {
  ComReference<IMFPresentationDescriptor> presentation;
  ComReference<IMFStreamDescriptor> stream;
  ComReference<IMFTopologyNode> sourceNode;
  ComReference<IMFTopologyNode> outputNode;
  ComReference<IMFActivate> renderer;
  BOOL selected = FALSE;
  return SUCCEEDED(source->CreatePresentationDescriptor(presentation.put())) &&
         SUCCEEDED(presentation->GetStreamDescriptorByIndex(0, &selected, stream.put())) &&
         SUCCEEDED(MFCreateTopologyNode(MF_TOPOLOGY_SOURCESTREAM_NODE, sourceNode.put())) &&
         SUCCEEDED(sourceNode->SetUnknown(MF_TOPONODE_SOURCE, source)) &&
         SUCCEEDED(sourceNode->SetUnknown(MF_TOPONODE_PRESENTATION_DESCRIPTOR, presentation.get())) &&
         SUCCEEDED(sourceNode->SetUnknown(MF_TOPONODE_STREAM_DESCRIPTOR, stream.get())) &&
         SUCCEEDED(MFCreateTopologyNode(MF_TOPOLOGY_OUTPUT_NODE, outputNode.put())) &&
         SUCCEEDED(MFCreateAudioRendererActivate(renderer.put())) &&
         SUCCEEDED(outputNode->SetObject(renderer.get())) && SUCCEEDED(topology->AddNode(sourceNode.get())) &&
         SUCCEEDED(topology->AddNode(outputNode.get())) &&
         SUCCEEDED(sourceNode->ConnectOutput(0, outputNode.get(), 0));
}

}  // namespace

BareSession::BareSession() { started_ = SUCCEEDED(MFStartup(MF_VERSION, MFSTARTUP_LITE)); }

BareSession::~BareSession() {
  release();
  if (started_) MFShutdown();
}

bool BareSession::play(const std::string& path) {
  release();
  ComReference<IMFSourceResolver> resolver;
  ComReference<IUnknown> object;
  MF_OBJECT_TYPE type = MF_OBJECT_INVALID;
  ComReference<IMFTopology> topology;
  bool playing = SUCCEEDED(MFCreateSourceResolver(resolver.put())) &&
                 SUCCEEDED(resolver->CreateObjectFromURL(widePath(path).c_str(), MF_RESOLUTION_MEDIASOURCE, nullptr,
                                                         &type, object.put())) &&
                 SUCCEEDED(object->QueryInterface(IID_IMFMediaSource, source_.putVoid())) &&
                 SUCCEEDED(MFCreateTopology(topology.put())) && connectFirstStream(topology.get(), source_.get()) &&
                 SUCCEEDED(MFCreateMediaSession(nullptr, session_.put())) &&
                 SUCCEEDED(session_->SetTopology(0, topology.get()));
  if (playing) {
    PROPVARIANT fromHere;
    PropVariantInit(&fromHere);
    playing = SUCCEEDED(session_->Start(&GUID_NULL, &fromHere));
  }
  return playing;
}

bool BareSession::ended() {
  bool ended = false;
  ComReference<IMFMediaEvent> event;
  while (session_ && SUCCEEDED(session_->GetEvent(MF_EVENT_FLAG_NO_WAIT, event.put()))) {
    MediaEventType type = MEUnknown;
    event->GetType(&type);
    ended = ended || type == MESessionEnded;
  }
  return ended;
}

void BareSession::release() {
  if (session_ && SUCCEEDED(session_->Close())) {
    // Polled, as a blocking wait for the report can miss it under Wine.
    const DWORD start = GetTickCount();
    MediaEventType type = MEUnknown;
    while (type != MESessionClosed && GetTickCount() - start < 3000) {
      ComReference<IMFMediaEvent> event;
      if (FAILED(session_->GetEvent(MF_EVENT_FLAG_NO_WAIT, event.put()))) {
        Sleep(1);
        continue;
      }
      event->GetType(&type);
    }
  }
  if (session_) session_->Shutdown();
  if (source_) source_->Shutdown();
  session_.reset();
  source_.reset();
}
