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

// Only the system's own copy, and the DLLs it imports from the system folder
// too: a DLL of the same name beside the player or in the current folder is
// never loaded. A Windows 7 without the update that brought the search flags
// refuses them as an invalid parameter; there the full path does it, with the
// DLL's own folder searched first for its imports.
HMODULE loadSystemLibrary(const char* name) {
  if (HMODULE library = LoadLibraryExA(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) return library;
  if (GetLastError() != ERROR_INVALID_PARAMETER) return nullptr;
  char folder[MAX_PATH];
  const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  return LoadLibraryExA((std::string(folder, length) + "\\" + name).c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
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

// Every entry point is called through here: one that was not found fails.
template <typename Function, typename... Arguments>
HRESULT call(Function entry, Arguments... arguments) {
  return entry ? entry(arguments...) : E_NOTIMPL;
}

}  // namespace

namespace media_foundation {

HRESULT startup() { return call(entryPoints().startup, MF_VERSION, MFSTARTUP_LITE); }
HRESULT shutdown() { return call(entryPoints().shutdown); }
HRESULT createSourceResolver(IMFSourceResolver** resolver) {
  return call(entryPoints().createSourceResolver, resolver);
}
HRESULT createMediaSession(IMFMediaSession** session) {
  return call(entryPoints().createMediaSession, nullptr, session);
}
HRESULT createTopology(IMFTopology** topology) { return call(entryPoints().createTopology, topology); }
HRESULT createTopologyNode(MF_TOPOLOGY_TYPE type, IMFTopologyNode** node) {
  return call(entryPoints().createTopologyNode, type, node);
}
HRESULT createTopoLoader(IMFTopoLoader** loader) { return call(entryPoints().createTopoLoader, loader); }
HRESULT createAudioRenderer(IMFMediaSink** renderer) {
  return call(entryPoints().createAudioRenderer, nullptr, renderer);
}

}  // namespace media_foundation
