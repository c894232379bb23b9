#include "BareSession.h"

#include <windows.h>
#include <mfapi.h>
#include <mfidl.h>

#include "audio/ReleaseReference_win32.h"
#include "platform/WidePath_win32.h"

namespace {

bool connectFirstStream(IMFTopology* topology, IMFMediaSource* source) {
  IMFPresentationDescriptor* presentation = nullptr;
  IMFStreamDescriptor* stream = nullptr;
  IMFTopologyNode* sourceNode = nullptr;
  IMFTopologyNode* outputNode = nullptr;
  IMFActivate* renderer = nullptr;
  BOOL selected = FALSE;
  const bool connected = SUCCEEDED(source->CreatePresentationDescriptor(&presentation)) &&
                         SUCCEEDED(presentation->GetStreamDescriptorByIndex(0, &selected, &stream)) &&
                         SUCCEEDED(MFCreateTopologyNode(MF_TOPOLOGY_SOURCESTREAM_NODE, &sourceNode)) &&
                         SUCCEEDED(sourceNode->SetUnknown(MF_TOPONODE_SOURCE, source)) &&
                         SUCCEEDED(sourceNode->SetUnknown(MF_TOPONODE_PRESENTATION_DESCRIPTOR, presentation)) &&
                         SUCCEEDED(sourceNode->SetUnknown(MF_TOPONODE_STREAM_DESCRIPTOR, stream)) &&
                         SUCCEEDED(MFCreateTopologyNode(MF_TOPOLOGY_OUTPUT_NODE, &outputNode)) &&
                         SUCCEEDED(MFCreateAudioRendererActivate(&renderer)) &&
                         SUCCEEDED(outputNode->SetObject(renderer)) && SUCCEEDED(topology->AddNode(sourceNode)) &&
                         SUCCEEDED(topology->AddNode(outputNode)) &&
                         SUCCEEDED(sourceNode->ConnectOutput(0, outputNode, 0));
  releaseReference(renderer);
  releaseReference(outputNode);
  releaseReference(sourceNode);
  releaseReference(stream);
  releaseReference(presentation);
  return connected;
}

}  // namespace

BareSession::BareSession() { started_ = SUCCEEDED(MFStartup(MF_VERSION, MFSTARTUP_LITE)); }

BareSession::~BareSession() {
  release();
  if (started_) MFShutdown();
}

bool BareSession::play(const std::string& path) {
  release();
  IMFSourceResolver* resolver = nullptr;
  IUnknown* object = nullptr;
  MF_OBJECT_TYPE type = MF_OBJECT_INVALID;
  if (SUCCEEDED(MFCreateSourceResolver(&resolver)) &&
      SUCCEEDED(resolver->CreateObjectFromURL(widePath(path).c_str(), MF_RESOLUTION_MEDIASOURCE, nullptr, &type,
                                              &object))) {
    object->QueryInterface(IID_IMFMediaSource, reinterpret_cast<void**>(&source_));
  }
  releaseReference(object);
  releaseReference(resolver);
  IMFTopology* topology = nullptr;
  bool playing = source_ && SUCCEEDED(MFCreateTopology(&topology)) && connectFirstStream(topology, source_) &&
                 SUCCEEDED(MFCreateMediaSession(nullptr, &session_)) &&
                 SUCCEEDED(session_->SetTopology(0, topology));
  releaseReference(topology);
  if (playing) {
    PROPVARIANT fromHere;
    PropVariantInit(&fromHere);
    playing = SUCCEEDED(session_->Start(&GUID_NULL, &fromHere));
  }
  return playing;
}

bool BareSession::ended() {
  bool ended = false;
  IMFMediaEvent* event = nullptr;
  while (session_ && SUCCEEDED(session_->GetEvent(MF_EVENT_FLAG_NO_WAIT, &event))) {
    MediaEventType type = MEUnknown;
    event->GetType(&type);
    ended = ended || type == MESessionEnded;
    releaseReference(event);
  }
  return ended;
}

void BareSession::release() {
  if (session_ && SUCCEEDED(session_->Close())) {
    // Polled, as a blocking wait for the report can miss it under Wine.
    const DWORD start = GetTickCount();
    MediaEventType type = MEUnknown;
    while (type != MESessionClosed && GetTickCount() - start < 3000) {
      IMFMediaEvent* event = nullptr;
      if (FAILED(session_->GetEvent(MF_EVENT_FLAG_NO_WAIT, &event))) {
        Sleep(1);
        continue;
      }
      event->GetType(&type);
      releaseReference(event);
    }
  }
  if (session_) session_->Shutdown();
  if (source_) source_->Shutdown();
  releaseReference(session_);
  releaseReference(source_);
}
