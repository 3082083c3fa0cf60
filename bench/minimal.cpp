// The smallest Win32 program that shows a window: the yardstick for Glyphbox's start-up.
// Built a second time with COMMON_CONTROLS: the same window with the common controls 6
// loaded as Glyphbox loads them (its manifest, InitCommonControlsEx), to tell their cost
// from Glyphbox's own.
#include <windows.h>
#ifdef COMMON_CONTROLS
#include <commctrl.h>
#endif

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
#ifdef COMMON_CONTROLS
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
#endif
  WNDCLASSA wc{};
  wc.lpfnWndProc = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
    if (m == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(h, m, w, l);
  };
  wc.hInstance = instance;
  wc.lpszClassName = "MinimalWindow";
  RegisterClassA(&wc);
  HWND hwnd = CreateWindowA("MinimalWindow", "Minimal", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                            400, 300, nullptr, nullptr, instance, nullptr);
  (void)hwnd;
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  return 0;
}
