// The process: COM and the common controls, the main window, and its message
// loop until the exit button posts the quit message.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <memory>

#include "ui/MessageLoop.h"
#include "ui/Module.h"
#include "ui/PlayerDialog.h"

namespace {
int runPlayer(int showCommand) {
  MessageLoop loop;
  auto registration = std::make_unique<MessageLoop::ThreadRegistration>(loop);
  auto dialog = std::make_unique<PlayerDialog>();
  if (!dialog->create()) return 0;
  ShowWindow(dialog->window(), showCommand);
  const int exitCode = loop.run();
  registration.reset();
  dialog.reset();
  return exitCode;
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  CoInitialize(nullptr);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  Module::start(instance);
  const int exitCode = runPlayer(showCommand);
  Module::end();
  CoUninitialize();
  return exitCode;
}
