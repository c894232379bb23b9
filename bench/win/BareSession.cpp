#include "BareSession.h"

#include <windows.h>
#include <mfapi.h>
#include <mfidl.h>

namespace {

template <typename Interface>
void drop(Interface*& held) {
  if (held) held->Release();
  held = nullptr;
}

std::wstring wide(const std::string& path) {
  WCHAR buffer[MAX_PATH];
  return MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, buffer, MAX_PATH) ? buffer : L"";
}

}  // namespace

BareSession::BareSession() { started_ = SUCCEEDED(MFStartup(MF_VERSION, MFSTARTUP_LITE)); }

BareSession::~BareSession() {
  release();
  if (started_) MFShutdown();
}

bool BareSession::play(const std::string& path) {
  release();
  IMFTopology* topology = open(path);
  bool playing = topology && SUCCEEDED(MFCreateMediaSession(nullptr, &session_)) &&
                 SUCCEEDED(session_->SetTopology(0, topology));
  drop(topology);
  if (playing) {
    PROPVARIANT fromHere;
    PropVariantInit(&fromHere);
    playing = SUCCEEDED(session_->Start(&GUID_NULL, &fromHere));
  }
  return playing;
}

void BareSession::pause() {
  if (session_) session_->Pause();
}

bool BareSession::ended() {
  bool ended = false;
  unsigned long type = MEUnknown;
  while (nextEvent(type)) ended = ended || type == MESessionEnded;
  if (ended && renderer_) renderer_->Shutdown();
  return ended;
}

bool BareSession::nextEvent(unsigned long& type) {
  IMFMediaEvent* event = nullptr;
  if (!session_ || FAILED(session_->GetEvent(MF_EVENT_FLAG_NO_WAIT, &event))) return false;
  MediaEventType eventType = MEUnknown;
  event->GetType(&eventType);
  type = eventType;
  event->Release();
  return true;
}

IMFTopology* BareSession::open(const std::string& path) {
  IMFSourceResolver* resolver = nullptr;
  IUnknown* object = nullptr;
  MF_OBJECT_TYPE type = MF_OBJECT_INVALID;
  if (SUCCEEDED(MFCreateSourceResolver(&resolver)) &&
      SUCCEEDED(resolver->CreateObjectFromURL(wide(path).c_str(), MF_RESOLUTION_MEDIASOURCE, nullptr, &type,
                                              &object))) {
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
                      SUCCEEDED(renderer_->GetStreamSinkByIndex(0, &input)) &&
                      SUCCEEDED(MFCreateTopology(&partial)) &&
                      SUCCEEDED(MFCreateTopologyNode(MF_TOPOLOGY_SOURCESTREAM_NODE, &sourceNode)) &&
                      SUCCEEDED(sourceNode->SetUnknown(MF_TOPONODE_SOURCE, source_)) &&
                      SUCCEEDED(sourceNode->SetUnknown(MF_TOPONODE_PRESENTATION_DESCRIPTOR, presentation)) &&
                      SUCCEEDED(sourceNode->SetUnknown(MF_TOPONODE_STREAM_DESCRIPTOR, stream)) &&
                      SUCCEEDED(MFCreateTopologyNode(MF_TOPOLOGY_OUTPUT_NODE, &outputNode)) &&
                      SUCCEEDED(outputNode->SetObject(input)) && SUCCEEDED(partial->AddNode(sourceNode)) &&
                      SUCCEEDED(partial->AddNode(outputNode)) &&
                      SUCCEEDED(sourceNode->ConnectOutput(0, outputNode, 0)) &&
                      SUCCEEDED(MFCreateTopoLoader(&loader)) &&
                      SUCCEEDED(loader->Load(partial, &full, nullptr));
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

void BareSession::release() {
  if (session_ && SUCCEEDED(session_->Close())) {
    // Polled, as a blocking wait for the report can miss it under Wine.
    const DWORD start = GetTickCount();
    unsigned long type = MEUnknown;
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
