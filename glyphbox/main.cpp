#include "mainwnd/form1.h"

#include <commctrl.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // A registry value may name a file on a drive without a disk (a card reader, a CD drive):
  // sizing or opening it must fail quietly, not stop the user with the system's dialog.
  ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&icc);
  const auto form = ui::Owned<Form1>::Make();
  form->SetQuitOnDestroy(true);
  form->Load();
  return ui::Form::RunMessageLoop();
}
