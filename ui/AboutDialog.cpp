#include "ui/AboutDialog.h"

#include "ui/DialogProcedure.h"
#include "ui/WindowPlacement.h"

void AboutDialog::run(HINSTANCE instance) {
  AboutDialog about;
  PendingDialogs::expect(&about);
  DialogBoxParamA(instance, MAKEINTRESOURCEA(templateId), GetActiveWindow(), &dialogProcedure<AboutDialog>, 0);
  PendingDialogs::withdraw(&about);
}

LRESULT AboutDialog::onInitDialog(const WindowMessage&) {
  // Over its owner, which is the parent of an owned window, kept inside the work area.
  centerWindow(dialog, GetParent(dialog));
  return TRUE;
}

void AboutDialog::onClose(const WindowMessage& m) { EndDialog(dialog, m.commandId()); }
