#include "mainwnd/form1.h"

#include <commctrl.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&icc);
  Form1 form;
  form.SetQuitOnDestroy(true);
  form.Load();
  return ui::Form::RunMessageLoop();
}
