#include "audio/MediaFoundation_win32.h"

#include <mfapi.h>

#include <string>

namespace {

struct EntryPoints {
  HRESULT(WINAPI* startup)(ULONG, DWORD) = nullptr;
  HRESULT(WINAPI* shutdown)() = nullptr;
  HRESULT(WINAPI* createSourceResolver)(IMFSourceResolver**) = nullptr;
  HRESULT(WINAPI* createMediaSession)(IMFAttributes*, IMFMediaSession**) = nullptr;
  HRESULT(WINAPI* createTopology)(IMFTopology**) = nullptr;
  HRESULT(WINAPI* createTopologyNode)(MF_TOPOLOGY_TYPE, IMFTopologyNode**) = nullptr;
  HRESULT(WINAPI* createTopoLoader)(IMFTopoLoader**) = nullptr;
  HRESULT(WINAPI* createAudioRenderer)(IMFAttributes*, IMFMediaSink**) = nullptr;
};

// Only the system's own copy: a DLL of the same name beside the player or in
// the current folder is never loaded.
HMODULE loadSystemLibrary(const char* name) {
  char folder[MAX_PATH];
  const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  return LoadLibraryA((std::string(folder, length) + "\\" + name).c_str());
}

template <typename Function>
void find(HMODULE library, const char* name, Function& entry) {
  if (library) entry = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

// Loaded once for the process and kept to its end, as imported DLLs are.
const EntryPoints& entryPoints() {
  static const EntryPoints loaded = [] {
    EntryPoints entries;
    HMODULE platform = loadSystemLibrary("mfplat.dll");
    HMODULE pipeline = loadSystemLibrary("mf.dll");
    find(platform, "MFStartup", entries.startup);
    find(platform, "MFShutdown", entries.shutdown);
    find(platform, "MFCreateSourceResolver", entries.createSourceResolver);
    find(pipeline, "MFCreateMediaSession", entries.createMediaSession);
    find(pipeline, "MFCreateTopology", entries.createTopology);
    find(pipeline, "MFCreateTopologyNode", entries.createTopologyNode);
    find(pipeline, "MFCreateTopoLoader", entries.createTopoLoader);
    find(pipeline, "MFCreateAudioRenderer", entries.createAudioRenderer);
    return entries;
  }();
  return loaded;
}

}  // namespace

namespace media_foundation {

HRESULT startup() {
  const auto call = entryPoints().startup;
  return call ? call(MF_VERSION, MFSTARTUP_LITE) : E_NOTIMPL;
}

HRESULT shutdown() {
  const auto call = entryPoints().shutdown;
  return call ? call() : E_NOTIMPL;
}

HRESULT createSourceResolver(IMFSourceResolver** resolver) {
  const auto call = entryPoints().createSourceResolver;
  return call ? call(resolver) : E_NOTIMPL;
}

HRESULT createMediaSession(IMFMediaSession** session) {
  const auto call = entryPoints().createMediaSession;
  return call ? call(nullptr, session) : E_NOTIMPL;
}

HRESULT createTopology(IMFTopology** topology) {
  const auto call = entryPoints().createTopology;
  return call ? call(topology) : E_NOTIMPL;
}

HRESULT createTopologyNode(MF_TOPOLOGY_TYPE type, IMFTopologyNode** node) {
  const auto call = entryPoints().createTopologyNode;
  return call ? call(type, node) : E_NOTIMPL;
}

HRESULT createTopoLoader(IMFTopoLoader** loader) {
  const auto call = entryPoints().createTopoLoader;
  return call ? call(loader) : E_NOTIMPL;
}

HRESULT createAudioRenderer(IMFMediaSink** renderer) {
  const auto call = entryPoints().createAudioRenderer;
  return call ? call(nullptr, renderer) : E_NOTIMPL;
}

}  // namespace media_foundation
