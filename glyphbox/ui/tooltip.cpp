#include "ui/tooltip.h"

#include <commctrl.h>

#include <string>

#include "ui/label.h"
#include "ui/panel.h"
#include "ui/text.h"

namespace ui {

void Tooltip::Create(HWND owner) {
  hwnd_ = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                            ::GetModuleHandleA(nullptr), nullptr);
  // A maximum width makes the control honour line breaks inside a tip.
  if (hwnd_) ::SendMessageA(hwnd_, TTM_SETMAXTIPWIDTH, 0, 600);
}

void Tooltip::Add(HWND control, std::wstring_view text) {
  std::string ansi = ToAnsi(text);
  TTTOOLINFOA ti{};
  ti.cbSize = sizeof ti;
  ti.uFlags = TTF_IDISHWND;
  ti.hwnd = ::GetParent(control);
  ti.uId = reinterpret_cast<UINT_PTR>(control);
  ti.lpszText = ansi.data();
  ::SendMessageA(hwnd_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
}

void Tooltip::Add(const Label& label, std::wstring_view text) {
  std::string ansi = ToAnsi(text);
  TTTOOLINFOA ti{};
  ti.cbSize = sizeof ti;
  ti.uFlags = 0;
  ti.hwnd = label.Container()->Handle();
  ti.uId = reinterpret_cast<UINT_PTR>(&label);
  ti.rect = label.PixelRect();
  ti.lpszText = ansi.data();
  ::SendMessageA(hwnd_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
}

void Tooltip::Relay(const MSG& msg) {
  if (hwnd_ && msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST)
    ::SendMessageA(hwnd_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

void Tooltip::Follow(const Label& label) {
  TTTOOLINFOA ti{};
  ti.cbSize = sizeof ti;
  ti.hwnd = label.Container()->Handle();
  ti.uId = reinterpret_cast<UINT_PTR>(&label);
  ti.rect = label.PixelRect();
  ::SendMessageA(hwnd_, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&ti));
}

}  // namespace ui
