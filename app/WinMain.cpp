// The process: COM and the common controls, the main window, and its message
// loop until the exit button posts the quit message. A start for a settings
// file that a running player already uses only brings that player to the front.
// The claim on the file ends as soon as the settings are written, before the
// engines and COM are let go, so a start made at the exit button runs at once.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <memory>

#include "settings/SettingsKeys.h"
#include "ui/MessageLoop.h"
#include "ui/Module.h"
#include "ui/PlayerDialog.h"
#include "ui/SingleInstance.h"
#include "ui/WindowPlacement.h"

namespace {
int runPlayer(SingleInstance& instance) {
  MessageLoop loop;
  auto registration = std::make_unique<MessageLoop::ThreadRegistration>(loop);
  auto dialog = std::make_unique<PlayerDialog>();
  if (!dialog->create()) return 0;
  instance.markBar(dialog->window());
  showWhole(dialog->window());
  const int exitCode = loop.run();
  // The exit button has written the settings: what is left to let go is slow.
  instance.release();
  registration.reset();
  dialog.reset();
  return exitCode;
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  SingleInstance single(settings_keys::fileName);
  if (!single.claimed() && !single.awaitTurn()) return 0;
  CoInitialize(nullptr);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  Module::start(instance);
  const int exitCode = runPlayer(single);
  Module::end();
  CoUninitialize();
  return exitCode;
}
