#include "BareGraph.h"

#include <windows.h>
#include <dshow.h>

bool BareGraph::play(const std::string& path) {
  release();
  if (FAILED(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder,
                              reinterpret_cast<void**>(&builder_)))) {
    builder_ = nullptr;
    return false;
  }
  if (FAILED(builder_->QueryInterface(IID_IMediaControl, reinterpret_cast<void**>(&control_)))) {
    control_ = nullptr;
    return false;
  }
  wchar_t wide[MAX_PATH];
  if (!MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH)) return false;
  if (FAILED(builder_->RenderFile(wide, nullptr))) return false;
  return SUCCEEDED(control_->Run());
}

void BareGraph::release() {
  if (control_) control_->Release();
  if (builder_) builder_->Release();
  control_ = nullptr;
  builder_ = nullptr;
}
