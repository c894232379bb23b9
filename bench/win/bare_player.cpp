// The baseline for the player's cost while playing: one DirectShow graph that
// renders and runs a file, with a visible window receiving its notifications.
//   bare_player [--stopped] FILE
#include <windows.h>
#include <dshow.h>

#include <string>

namespace {

constexpr UINT graphNotify = WM_APP + 201;

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  CoInitialize(nullptr);
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = windowProcedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = "BarePlayer";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, "BarePlayer", "", WS_POPUP | WS_VISIBLE, 0, 0, 280, 34,
                                nullptr, nullptr, instance, nullptr);
  IGraphBuilder* builder = nullptr;
  IMediaControl* control = nullptr;
  IMediaEventEx* events = nullptr;
  if (FAILED(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder,
                              reinterpret_cast<void**>(&builder)))) {
    return 1;
  }
  builder->QueryInterface(IID_IMediaControl, reinterpret_cast<void**>(&control));
  builder->QueryInterface(IID_IMediaEventEx, reinterpret_cast<void**>(&events));
  events->SetNotifyWindow(reinterpret_cast<OAHWND>(window), graphNotify, 0);
  // "--stopped" first: render the file and leave the graph stopped, as the
  // player stands after start-up.
  std::string file = commandLine;
  const std::string stoppedOption = "\"--stopped\" ";
  const bool stopped = file.compare(0, stoppedOption.size(), stoppedOption) == 0;
  if (stopped) file = file.substr(stoppedOption.size());
  if (file.size() >= 2 && file.front() == '"' && file.back() == '"') file = file.substr(1, file.size() - 2);
  WCHAR path[MAX_PATH];
  MultiByteToWideChar(CP_ACP, 0, file.c_str(), -1, path, MAX_PATH);
  if (FAILED(builder->RenderFile(path, nullptr))) return 1;
  if (!stopped) control->Run();
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (message.message == graphNotify) {
      long code;
      LONG_PTR first, second;
      while (SUCCEEDED(events->GetEvent(&code, &first, &second, 0))) events->FreeEventParams(code, first, second);
    }
    DispatchMessageA(&message);
  }
  events->Release();
  control->Release();
  builder->Release();
  CoUninitialize();
  return 0;
}
