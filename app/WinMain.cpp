// The process: COM, Media Foundation and the common controls, the main
// window, and its message loop until the exit button posts the quit message.
// A start for a settings file that a running player already uses only brings
// that player to the front.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <memory>

#include "ui/MessageLoop.h"
#include "ui/Module.h"
#include "audio/MediaFoundation_win32.h"
#include "settings/SettingsKeys.h"
#include "ui/PlayerDialog.h"
#include "ui/SingleInstance.h"

namespace {
int runPlayer(int showCommand, const SingleInstance& instance) {
  MessageLoop loop;
  auto registration = std::make_unique<MessageLoop::ThreadRegistration>(loop);
  auto dialog = std::make_unique<PlayerDialog>();
  if (!dialog->create()) return 0;
  instance.markBar(dialog->window());
  ShowWindow(dialog->window(), showCommand);
  const int exitCode = loop.run();
  registration.reset();
  dialog.reset();
  return exitCode;
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  const SingleInstance single(settings_keys::fileName);
  if (!single.claimed()) {
    single.bringClaimantToFront();
    return 0;
  }
  CoInitialize(nullptr);
  // Media Foundation, like COM, is started once for the process; the engine's
  // own start nests inside it.
  const bool mediaFoundation = SUCCEEDED(media_foundation::startup());
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  Module::start(instance);
  const int exitCode = runPlayer(showCommand, single);
  Module::end();
  if (mediaFoundation) media_foundation::shutdown();
  CoUninitialize();
  return exitCode;
}
