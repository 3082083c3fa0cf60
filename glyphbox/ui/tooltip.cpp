#include "ui/tooltip.h"

#include <commctrl.h>

#include <string>

#include "ui/label.h"
#include "ui/panel.h"
#include "ui/text.h"

namespace ui {

namespace {

// A control is its own tool; a windowless label is a rectangle of its container.
TTTOOLINFOA ToolOf(const Label& label) {
  TTTOOLINFOA ti{};
  ti.cbSize = sizeof ti;
  ti.hwnd = label.Container()->Handle();
  ti.uId = reinterpret_cast<UINT_PTR>(&label);
  ti.rect = label.PixelRect();
  return ti;
}

}  // namespace

void Tooltip::Create(HWND owner) {
  hwnd_ = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                            ::GetModuleHandleA(nullptr), nullptr);
  // A maximum width makes the control honour line breaks inside a tip.
  if (hwnd_) ::SendMessageA(hwnd_, TTM_SETMAXTIPWIDTH, 0, 600);
}

void Tooltip::Add(HWND control, std::wstring_view text) {
  TTTOOLINFOA ti{};
  ti.cbSize = sizeof ti;
  ti.uFlags = TTF_IDISHWND;
  ti.hwnd = ::GetParent(control);
  ti.uId = reinterpret_cast<UINT_PTR>(control);
  AddTool(ti, text);
}

void Tooltip::Add(const Label& label, std::wstring_view text) {
  TTTOOLINFOA ti = ToolOf(label);
  AddTool(ti, text);
}

void Tooltip::AddTool(TTTOOLINFOA& ti, std::wstring_view text) {
  std::string ansi = ToAnsi(text);
  ti.lpszText = ansi.data();
  ::SendMessageA(hwnd_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
}

void Tooltip::Follow(const Label& label) {
  const TTTOOLINFOA ti = ToolOf(label);
  ::SendMessageA(hwnd_, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&ti));
}

void Tooltip::Relay(const MSG& msg) {
  if (hwnd_ && msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST)
    ::SendMessageA(hwnd_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

}  // namespace ui
