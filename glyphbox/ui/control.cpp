#include "ui/control.h"

#include <algorithm>
#include <cstring>

#include "ui/text.h"

namespace ui {

RECT ToPixels(const Rect& r) {
  const int left = XToPixels(r.left), top = YToPixels(r.top);
  return {left, top, left + XToPixels(r.width), top + YToPixels(r.height)};
}

void Control::CreateChild(HWND parent, const char* className, std::wstring_view text, DWORD style, DWORD exStyle,
                          const Rect& r, bool takeOver, bool unicode) {
  rect_ = r;
  const RECT px = ToPixels(r);
  const HWND hwnd =
      unicode ? ::CreateWindowExW(exStyle, std::wstring(className, className + std::strlen(className)).c_str(),
                                  std::wstring(text).c_str(), WS_CHILD | style, px.left, px.top, px.right - px.left,
                                  px.bottom - px.top, parent, nullptr, ::GetModuleHandleW(nullptr), nullptr)
              : ::CreateWindowExA(exStyle, className, ToAnsi(text).c_str(), WS_CHILD | style, px.left, px.top,
                                  px.right - px.left, px.bottom - px.top, parent, nullptr, ::GetModuleHandleA(nullptr),
                                  nullptr);
  if (!hwnd) return;
  asked_ = px;
  placed_ = Placed();
  Adopt(hwnd);
  unicode_ = unicode;
  if (takeOver) TakeOver(hwnd);
  Send(WM_SETFONT, reinterpret_cast<WPARAM>(DefaultUiFont()));
}

bool Control::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT&) {
  Event event;
  if (EventArgs args; InputEvent(msg, wp, lp, event, args)) Fire(event, args);
  return false;
}

bool Control::Move(double left, double top, double width, double height) {
  if (width < 0 || height < 0) return false;
  rect_ = {left, top, width, height};
  const RECT want = ToPixels(rect_);
  // Moving a window is costly (the progress bar moves once per font, every layout moves
  // every control): a move reaches the window only when it changes where the window is, or
  // where it was asked to be since it last moved. (A list box trims its height to whole rows
  // and a combo box leaves its drop-down room out of its rectangle: neither lies where it
  // was asked to be.)
  const RECT is = Placed();
  if (::EqualRect(&want, &is) || (::EqualRect(&want, &asked_) && ::EqualRect(&is, &placed_))) return true;
  if (!::SetWindowPos(hwnd_, nullptr, want.left, want.top, want.right - want.left, want.bottom - want.top,
                      SWP_NOZORDER | SWP_NOACTIVATE))
    return false;
  asked_ = want;
  placed_ = Placed();
  return true;
}

RECT Control::Placed() const {
  RECT r{};
  ::GetWindowRect(hwnd_, &r);
  ::MapWindowPoints(HWND_DESKTOP, ::GetParent(hwnd_), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void Control::SetVisible(bool visible) {
  if (!visible) {
    ::ShowWindow(hwnd_, SW_HIDE);  // what lay beneath is painted at once: a hidden control is seen to go
    return;
  }
  // Painted with the next paint of the window, whole and once, rather than its frame now and
  // its contents later.
  ::SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                 SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_DEFERERASE);
}
bool Control::Enabled() const { return ::IsWindowEnabled(hwnd_) != FALSE; }
void Control::SetEnabled(bool enabled) { ::EnableWindow(hwnd_, enabled ? TRUE : FALSE); }

std::wstring Control::Text() const {
  if (unicode_) {
    std::wstring text(::GetWindowTextLengthW(hwnd_) + 1, L'\0');
    text.resize(std::max(::GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size())), 0));
    return text;
  }
  const int n = ::GetWindowTextLengthA(hwnd_);
  std::string bytes(n + 1, '\0');
  const int got = ::GetWindowTextA(hwnd_, bytes.data(), n + 1);
  bytes.resize(got > 0 ? got : 0);
  return FromAnsi(bytes);
}

void Control::SetText(std::wstring_view text) {
  if (unicode_)
    ::SetWindowTextW(hwnd_, std::wstring(text).c_str());
  else
    ::SetWindowTextA(hwnd_, ToAnsi(text).c_str());
}

void Control::Focus() { ::SetFocus(hwnd_); }

}  // namespace ui
