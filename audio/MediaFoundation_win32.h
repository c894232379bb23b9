#pragma once
// Media Foundation's entry points, looked up in the system folder at their
// first use instead of imported: Windows' N editions come without Media
// Foundation, and there the player must still start and play through
// DirectShow. Where it is missing every call fails with E_NOTIMPL.
#include <windows.h>
#include <mfidl.h>

namespace media_foundation {

// MFStartup for this version of the interfaces, without sockets; and its pair.
HRESULT startup();
HRESULT shutdown();

HRESULT createSourceResolver(IMFSourceResolver** resolver);
HRESULT createMediaSession(IMFMediaSession** session);
HRESULT createTopology(IMFTopology** topology);
HRESULT createTopologyNode(MF_TOPOLOGY_TYPE type, IMFTopologyNode** node);
HRESULT createTopoLoader(IMFTopoLoader** loader);
HRESULT createAudioRenderer(IMFMediaSink** renderer);

}  // namespace media_foundation
