#include "mainwnd/form1.h"

#include <commctrl.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&icc);
  const auto form = ui::Owned<Form1>::Make();
  form->SetQuitOnDestroy(true);
  form->Load();
  return ui::Form::RunMessageLoop();
}
