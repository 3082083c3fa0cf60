#include "ui/window.h"

#include "ui/handles.h"
#include "ui/text.h"
#include "ui/twips.h"

namespace ui {

namespace {

int Dpi(int which) {
  WindowDc screen(nullptr);
  const int dpi = ::GetDeviceCaps(screen.Get(), which);
  return dpi > 0 ? dpi : 96;
}

Window* WrapperOf(HWND hwnd) { return reinterpret_cast<Window*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA)); }

// 1 left, 2 right, 4 middle, added together.
int HeldButtons(WPARAM wp) {
  return ((wp & MK_LBUTTON) ? 1 : 0) | ((wp & MK_RBUTTON) ? 2 : 0) | ((wp & MK_MBUTTON) ? 4 : 0);
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

bool InputEvent(UINT msg, WPARAM wp, LPARAM lp, Event& event, EventArgs& args) {
  args = EventArgs{};
  if (msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN) {  // with Alt held: a key like any other
    event = Event::KeyDown;
    args.key = static_cast<int>(wp);
    args.shift = (::GetKeyState(VK_SHIFT) < 0 ? 1 : 0) | (::GetKeyState(VK_CONTROL) < 0 ? 2 : 0) |
                 (::GetKeyState(VK_MENU) < 0 ? 4 : 0);
    return true;
  }
  switch (msg) {
    // A quick second press arrives as a double click; to the handlers it is a press.
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK:
      event = Event::MouseDown;
      args.button = HeldButtons(wp);
      break;
    case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP:
      event = Event::MouseUp;
      args.button = (msg == WM_LBUTTONUP ? 1 : msg == WM_RBUTTONUP ? 2 : 4) | HeldButtons(wp);
      break;
    case WM_MOUSEMOVE:
      event = Event::MouseMove;
      args.button = HeldButtons(wp);
      break;
    default:
      return false;
  }
  args.shift = ((wp & MK_SHIFT) ? 1 : 0) | ((wp & MK_CONTROL) ? 2 : 0) | (::GetKeyState(VK_MENU) < 0 ? 4 : 0);
  args.x = XToTwips(static_cast<short>(LOWORD(lp)));
  args.y = YToTwips(static_cast<short>(HIWORD(lp)));
  return true;
}

ATOM Window::OwnClass(const char* name, UINT style, HBRUSH background) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = style;
  wc.lpfnWndProc = &Window::Proc;
  wc.hInstance = ::GetModuleHandleA(nullptr);
  wc.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = background;
  wc.lpszClassName = name;
  return ::RegisterClassExA(&wc);
}

HWND Window::CreateOwn(ATOM cls, std::wstring_view text, DWORD style, DWORD exStyle, int x, int y, int w, int h,
                       HWND parent) {
  return ::CreateWindowExA(exStyle, reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(cls)), ToAnsi(text).c_str(),
                           style, x, y, w, h, parent, nullptr, ::GetModuleHandleA(nullptr), this);
}

void Window::Adopt(HWND hwnd) {
  hwnd_ = hwnd;
  ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void Window::TakeOver(HWND hwnd) {
  if (!hwnd || routed_) return;
  ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  routed_ = hwnd;
  // Swapped directly rather than through the common controls' subclass chain, which looks
  // itself up in a window property on every message: a trip to the window server under
  // Wine, which made each list-box message about fifteen times dearer.
  previous_ = SetRoutedProc(&Window::Proc);
}

// A window keeps its procedure as Unicode or ANSI; read or set the other way, the platform
// hands out a translating stand-in instead.
WNDPROC Window::RoutedProc() const {
  return reinterpret_cast<WNDPROC>(unicode_ ? ::GetWindowLongPtrW(routed_, GWLP_WNDPROC)
                                            : ::GetWindowLongPtrA(routed_, GWLP_WNDPROC));
}

WNDPROC Window::SetRoutedProc(WNDPROC proc) const {
  const auto value = reinterpret_cast<LONG_PTR>(proc);
  return reinterpret_cast<WNDPROC>(unicode_ ? ::SetWindowLongPtrW(routed_, GWLP_WNDPROC, value)
                                            : ::SetWindowLongPtrA(routed_, GWLP_WNDPROC, value));
}

Window::~Window() {
  if (routed_ && ::IsWindow(routed_)) {
    // The window outlives its wrapper. Only the last procedure of a chain can step out of
    // it; when another was put on top of ours, the window goes with its wrapper rather than
    // call into it afterwards.
    if (previous_ && RoutedProc() != &Window::Proc) {
      ::DestroyWindow(hwnd_);
      return;
    }
    Detach();
  }
  if (hwnd_ && ::IsWindow(hwnd_) && WrapperOf(hwnd_) == this) ::SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
}

void Window::Detach() {
  ::SetWindowLongPtrA(routed_, GWLP_USERDATA, 0);
  if (previous_ && RoutedProc() == &Window::Proc) SetRoutedProc(previous_);
  if (!previous_) hwnd_ = nullptr;  // one of our own windows: gone with it
  routed_ = nullptr;
}

bool Window::Notified(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg != WM_COMMAND || !lp) return false;
  const auto child = reinterpret_cast<HWND>(lp);
  if (::GetParent(child) != hwnd_) return false;
  if (Window* sender = WrapperOf(child)) sender->Notify(HIWORD(wp));
  return true;
}

LRESULT Window::SendText(UINT msg, WPARAM wp, std::wstring_view text) const {
  return Send(msg, wp, reinterpret_cast<LPARAM>(ToAnsi(text).c_str()));
}

RECT Window::Client() const {
  RECT r{};
  ::GetClientRect(hwnd_, &r);
  return r;
}

bool Window::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT Window::CallPrevious(UINT msg, WPARAM wp, LPARAM lp) {
  if (!previous_) return ::DefWindowProcA(routed_, msg, wp, lp);
  return unicode_ ? ::CallWindowProcW(previous_, routed_, msg, wp, lp) : ::CallWindowProcA(previous_, routed_, msg, wp, lp);
}

LRESULT CALLBACK Window::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  // Only our own classes are created with this procedure: their wrapper comes with the
  // creation parameters. A taken-over control has had its wrapper since the take-over.
  if (msg == WM_NCCREATE) {
    if (auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams)) {
      self->Adopt(hwnd);
      self->routed_ = hwnd;
    }
  }
  Window* self = WrapperOf(hwnd);
  if (!self) return ::DefWindowProcA(hwnd, msg, wp, lp);  // before WM_NCCREATE
  LRESULT result = 0;
  bool handled = false;
  try {
    handled = self->OnMessage(msg, wp, lp, result);
  } catch (...) {
    // Nothing may unwind into the platform's window procedure.
  }
  if (handled && msg != WM_NCDESTROY) return result;
  const WNDPROC previous = self->previous_;
  const bool unicode = self->unicode_;
  if (msg == WM_NCDESTROY) self->Detach();
  if (!previous) return ::DefWindowProcA(hwnd, msg, wp, lp);
  return unicode ? ::CallWindowProcW(previous, hwnd, msg, wp, lp) : ::CallWindowProcA(previous, hwnd, msg, wp, lp);
}

}  // namespace ui
