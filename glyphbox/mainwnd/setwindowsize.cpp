#include "mainwnd/setwindowsize.h"

namespace mdl_SetWindowSize {

LONG_PTR lPrevWndProc = 0;

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_GETMINMAXINFO) {
    auto* info = reinterpret_cast<MINMAXINFO*>(lp);
    info->ptMinTrackSize.x = kMinTrackWidth;
    info->ptMinTrackSize.y = kMinTrackHeight;
    return 0;
  }
  return ::CallWindowProcA(reinterpret_cast<WNDPROC>(lPrevWndProc), hwnd, msg, wp, lp);
}

}  // namespace mdl_SetWindowSize
