#include "ui/control.h"

#include <commctrl.h>

#include "ui/handles.h"
#include "ui/text.h"
#include "ui/twips.h"

namespace ui {

namespace {

// The window procedure each subclassed window had before, by window. Kept apart from the
// wrappers: a window may outlive its wrapper and must still reach its own procedure.
struct Previous {
  HWND hwnd;
  WNDPROC proc;
};
std::vector<Previous>& PreviousProcs() {
  static std::vector<Previous> procs;
  return procs;
}
WNDPROC PreviousProc(HWND hwnd) {
  for (const Previous& p : PreviousProcs())
    if (p.hwnd == hwnd) return p.proc;
  return nullptr;
}
void ForgetPreviousProc(HWND hwnd) {
  auto& procs = PreviousProcs();
  std::erase_if(procs, [hwnd](const Previous& p) { return p.hwnd == hwnd; });
}

int Dpi(int which) {
  WindowDc screen(nullptr);
  const int dpi = ::GetDeviceCaps(screen.Get(), which);
  return dpi > 0 ? dpi : 96;
}

}  // namespace

int ScreenDpiX() {
  static const int dpi = Dpi(LOGPIXELSX);
  return dpi;
}
int ScreenDpiY() {
  static const int dpi = Dpi(LOGPIXELSY);
  return dpi;
}
int XToPixels(double twips) { return TwipsToPixels(twips, ScreenDpiX()); }
int YToPixels(double twips) { return TwipsToPixels(twips, ScreenDpiY()); }
double XToTwips(int pixels) { return PixelsToTwips(pixels, ScreenDpiX()); }
double YToTwips(int pixels) { return PixelsToTwips(pixels, ScreenDpiY()); }

HFONT DefaultUiFont() {
  static const UniqueFont font = [] {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
      return UniqueFont(::CreateFontIndirectA(&metrics.lfMessageFont));
    return UniqueFont();
  }();
  return font ? font.Get() : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

Control::~Control() {
  // A wrapper may die before its window (a form's members go before the form's window):
  // the window must not call back into it afterwards.
  for (HWND h : subclassed_) {
    if (!::IsWindow(h)) continue;
    if (FromHandle(h) == this) ::SetWindowLongPtrA(h, GWLP_USERDATA, 0);
    // Only the last procedure in a chain can step out of it; otherwise ours stays and
    // forwards every message until the window is destroyed.
    if (reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(h, GWLP_WNDPROC)) == &Control::SubclassProc) {
      ::SetWindowLongPtrA(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PreviousProc(h)));
      ForgetPreviousProc(h);
    }
  }
  if (hwnd_ && ::IsWindow(hwnd_) && FromHandle(hwnd_) == this) ::SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
}

Control* Control::FromHandle(HWND hwnd) {
  return hwnd ? reinterpret_cast<Control*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA)) : nullptr;
}

HWND Control::CreateChild(HWND parent, const char* className, std::wstring_view text, DWORD style,
                          DWORD exStyle, const Rect& r) {
  hwnd_ = ::CreateWindowExA(exStyle, className, ToAnsi(text).c_str(), WS_CHILD | style, XToPixels(r.left),
                            YToPixels(r.top), XToPixels(r.width), YToPixels(r.height), parent, nullptr,
                            ::GetModuleHandleA(nullptr), this);
  if (hwnd_) {
    ::SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ::SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultUiFont()), FALSE);
  }
  return hwnd_;
}

void Control::SubclassWindow(HWND hwnd) {
  if (!hwnd || PreviousProc(hwnd)) return;
  // A window inside the control (a combo box's edit field) finds its wrapper the same way.
  if (hwnd != hwnd_) ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  const auto previous = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
  PreviousProcs().push_back({hwnd, previous});
  ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Control::SubclassProc));
  subclassed_.push_back(hwnd);
}

int ShiftState() {
  return (::GetKeyState(VK_SHIFT) < 0 ? 1 : 0) | (::GetKeyState(VK_CONTROL) < 0 ? 2 : 0) |
         (::GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

bool Control::Filter(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT CALLBACK Control::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  const WNDPROC previous = PreviousProc(hwnd);
  if (!previous) return ::DefWindowProcA(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    ForgetPreviousProc(hwnd);
    if (Control* self = FromHandle(hwnd)) std::erase(self->subclassed_, hwnd);
    return ::CallWindowProcA(previous, hwnd, msg, wp, lp);
  }
  LRESULT result = 0;
  try {
    if (Control* self = FromHandle(hwnd); self && self->Filter(msg, wp, lp, result)) return result;
  } catch (...) {
    // Nothing may unwind into the platform's window procedure.
  }
  return ::CallWindowProcA(previous, hwnd, msg, wp, lp);
}

RECT Control::PixelRectInParent() const {
  RECT r{};
  ::GetWindowRect(hwnd_, &r);
  ::MapWindowPoints(HWND_DESKTOP, ::GetParent(hwnd_), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

double Control::Left() const { return XToTwips(PixelRectInParent().left); }
double Control::Top() const { return YToTwips(PixelRectInParent().top); }
double Control::Width() const {
  const RECT r = PixelRectInParent();
  return XToTwips(r.right - r.left);
}
double Control::Height() const {
  const RECT r = PixelRectInParent();
  return YToTwips(r.bottom - r.top);
}

bool Control::Move(double left, double top, double width, double height) {
  if (width < 0 || height < 0) return false;
  const RECT want{XToPixels(left), YToPixels(top), XToPixels(left) + XToPixels(width),
                  YToPixels(top) + YToPixels(height)};
  const RECT now = PixelRectInParent();
  // Moving a window is costly (the progress bar moves once per font): skip moves that
  // change no pixel.
  if (::EqualRect(&want, &now)) return true;
  return ::SetWindowPos(hwnd_, nullptr, want.left, want.top, want.right - want.left, want.bottom - want.top,
                        SWP_NOZORDER | SWP_NOACTIVATE) != FALSE;
}

bool Control::Visible() const { return (::GetWindowLongPtrA(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0; }
void Control::SetVisible(bool visible) { ::ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE); }
bool Control::Enabled() const { return ::IsWindowEnabled(hwnd_) != FALSE; }
void Control::SetEnabled(bool enabled) { ::EnableWindow(hwnd_, enabled ? TRUE : FALSE); }

std::wstring Control::Text() const {
  const int n = ::GetWindowTextLengthA(hwnd_);
  std::string bytes(n + 1, '\0');
  const int got = ::GetWindowTextA(hwnd_, bytes.data(), n + 1);
  bytes.resize(got > 0 ? got : 0);
  return FromAnsi(bytes);
}

void Control::SetText(std::wstring_view text) { ::SetWindowTextA(hwnd_, ToAnsi(text).c_str()); }

void Control::Focus() { ::SetFocus(hwnd_); }

EventArgs MouseArgs(WPARAM wp, LPARAM lp, int button) {
  EventArgs a;
  a.button = button;
  a.shift = ((wp & MK_SHIFT) ? 1 : 0) | ((wp & MK_CONTROL) ? 2 : 0) | (::GetKeyState(VK_MENU) < 0 ? 4 : 0);
  a.x = XToTwips(static_cast<short>(LOWORD(lp)));
  a.y = YToTwips(static_cast<short>(HIWORD(lp)));
  return a;
}

}  // namespace ui
