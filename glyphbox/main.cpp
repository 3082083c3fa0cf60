#include "mainwnd/form1.h"

#include <commctrl.h>
#include <ole2.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&icc);
  // Drag and drop needs OLE on this thread.
  ::OleInitialize(nullptr);
  Form1 form;
  form.SetQuitOnDestroy(true);
  form.Load();
  const int code = ui::Form::RunMessageLoop();
  ::OleUninitialize();
  return code;
}
