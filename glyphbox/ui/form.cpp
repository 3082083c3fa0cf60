#include "ui/form.h"

#include <cwctype>

#include "ui/label.h"
#include "ui/menu.h"
#include "ui/panel.h"
#include "ui/text.h"

namespace ui {

namespace {
constexpr char kFormClass[] = "GlyphboxForm";

bool IsClass(HWND hwnd, const char* name) {
  char cls[32] = {};
  ::GetClassNameA(hwnd, cls, sizeof cls);
  return ::lstrcmpiA(cls, name) == 0;
}
}  // namespace

void Form::Register() {
  static const bool registered = [] {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &Form::FormProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kFormClass;
    return ::RegisterClassExA(&wc) != 0;
  }();
  (void)registered;
}

Form::~Form() { Destroy(); }

void Form::Destroy() {
  if (hwnd_ && ::IsWindow(hwnd_)) ::DestroyWindow(hwnd_);
  hwnd_ = nullptr;
}

Form* Form::FromHandle(HWND hwnd) {
  return hwnd ? reinterpret_cast<Form*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA)) : nullptr;
}

void Form::CreateForm(std::wstring_view caption, double clientWidth, double clientHeight, DWORD style,
                      DWORD exStyle, HWND owner) {
  Register();
  RECT r{0, 0, XToPixels(clientWidth), YToPixels(clientHeight)};
  ::AdjustWindowRectEx(&r, style, FALSE, exStyle);
  ::CreateWindowExA(exStyle, kFormClass, ToAnsi(caption).c_str(), style & ~WS_VISIBLE, CW_USEDEFAULT,
                    CW_USEDEFAULT, r.right - r.left, r.bottom - r.top, owner, nullptr,
                    ::GetModuleHandleA(nullptr), this);
  tips_.Create(hwnd_);
}

void Form::SetIcon(HICON icon) {
  ::SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  ::SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void Form::CenterOn(HWND other) {
  RECT area{};
  if (other)
    ::GetWindowRect(other, &area);
  else
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  RECT me{};
  ::GetWindowRect(hwnd_, &me);
  const int w = me.right - me.left, h = me.bottom - me.top;
  ::SetWindowPos(hwnd_, nullptr, area.left + (area.right - area.left - w) / 2,
                 area.top + (area.bottom - area.top - h) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::Show() {
  ::ShowWindow(hwnd_, SW_SHOW);
  ::UpdateWindow(hwnd_);
}

void Timer::Create(HWND owner, UINT id, UINT intervalMs) {
  owner_ = owner;
  id_ = id;
  interval_ = intervalMs;
}

void Timer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (!owner_) return;
  if (enabled)
    ::SetTimer(owner_, id_, interval_, nullptr);
  else
    ::KillTimer(owner_, id_);
}

void Form::ShowModal() {
  struct Disabled {
    HWND self;
    std::vector<HWND> windows;
  } disabled{hwnd_, {}};
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND h, LPARAM p) -> BOOL {
        auto* d = reinterpret_cast<Disabled*>(p);
        if (h != d->self && ::IsWindowVisible(h) && ::IsWindowEnabled(h)) {
          ::EnableWindow(h, FALSE);
          d->windows.push_back(h);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&disabled));
  const HWND self = hwnd_;
  Show();
  ::SetForegroundWindow(self);
  MSG msg;
  while (::IsWindow(self)) {
    const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
    if (got <= 0) {
      // WM_QUIT belongs to the outer loop.
      if (got == 0) ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (PreTranslate(msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  for (HWND h : disabled.windows)
    if (::IsWindow(h)) ::EnableWindow(h, TRUE);
  if (!disabled.windows.empty()) ::SetForegroundWindow(disabled.windows.front());
}

double Form::ScaleWidth() const {
  RECT r{};
  ::GetClientRect(hwnd_, &r);
  return XToTwips(r.right);
}
double Form::ScaleHeight() const {
  RECT r{};
  ::GetClientRect(hwnd_, &r);
  return YToTwips(r.bottom);
}

LRESULT CALLBACK Form::FormProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<Form*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
    self->hwnd_ = hwnd;
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  Form* self = FromHandle(hwnd);
  if (msg == WM_NCDESTROY) {
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    if (self) self->hwnd_ = nullptr;
  }
  LRESULT result = 0;
  try {
    if (self && self->OnMessage(msg, wp, lp, result)) return result;
  } catch (...) {
    // Nothing may unwind into the platform's window procedure.
  }
  return ::DefWindowProcA(hwnd, msg, wp, lp);
}

bool Form::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_COMMAND:
      if (lp) {
        if (Control* c = Control::FromHandle(reinterpret_cast<HWND>(lp))) c->Notify(HIWORD(wp));
      } else if (HIWORD(wp) == 0) {
        PopupMenu::Dispatch(LOWORD(wp));
      }
      result = 0;
      return true;
    case WM_CLOSE:
      OnClose();
      result = 0;
      return true;
    case WM_TIMER:
      for (Timer* t : timers_)
        if (t->Id() == wp && t->Enabled()) {
          EventArgs a;
          t->Fire(Event::Timer, a);
        }
      result = 0;
      return true;
    default:
      return false;
  }
}

void Form::OnClose() { ::DestroyWindow(hwnd_); }

bool Form::CanFocus(const TabStop& stop) const {
  if (!stop.control || !stop.control->Handle()) return false;
  const HWND h = stop.control->Handle();
  return ::IsWindowVisible(h) && ::IsWindowEnabled(h) && (::GetWindowLongPtrA(h, GWL_STYLE) & WS_TABSTOP);
}

void Form::FocusStop(const TabStop& stop) {
  const HWND h = stop.control->Handle();
  ::SetFocus(h);
  // As in dialogs: arriving by keyboard in a text field selects its text.
  if (IsClass(h, "Edit"))
    ::SendMessageA(h, EM_SETSEL, 0, -1);
  else if (IsClass(h, "ComboBox"))
    ::SendMessageA(h, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}

int Form::FocusedStop() const {
  const HWND focus = ::GetFocus();
  for (size_t i = 0; i < tabOrder_.size(); ++i) {
    const Control* c = tabOrder_[i].control;
    if (c && c->Handle() && (c->Handle() == focus || ::IsChild(c->Handle(), focus))) return static_cast<int>(i);
  }
  return -1;
}

bool Form::TabFromFocus(bool backwards) {
  const int n = static_cast<int>(tabOrder_.size());
  if (n == 0) return false;
  int i = FocusedStop();
  if (i < 0) i = backwards ? 0 : n - 1;
  for (int step = 1; step <= n; ++step) {
    const int j = ((backwards ? i - step : i + step) % n + n) % n;
    if (CanFocus(tabOrder_[j])) {
      FocusStop(tabOrder_[j]);
      return true;
    }
  }
  return false;
}

bool Form::AccessKey(wchar_t key) {
  const wchar_t want = static_cast<wchar_t>(std::towupper(key));
  const int n = static_cast<int>(tabOrder_.size());
  for (int i = 0; i < n; ++i) {
    const TabStop& stop = tabOrder_[i];
    if (stop.label) {
      if (static_cast<wchar_t>(std::towupper(stop.label->AccessKey())) != want) continue;
      for (int j = i + 1; j < i + n; ++j) {
        if (CanFocus(tabOrder_[j % n])) {
          FocusStop(tabOrder_[j % n]);
          return true;
        }
      }
      return false;
    }
    // Only buttons carry an access key in their text; a text field's text is the user's.
    if (!CanFocus(stop) || !IsClass(stop.control->Handle(), "Button") ||
        static_cast<wchar_t>(std::towupper(AccessKeyOf(stop.control->Text()))) != want)
      continue;
    FocusStop(stop);
    ::SendMessageA(stop.control->Handle(), BM_CLICK, 0, 0);
    return true;
  }
  return false;
}

bool Form::PreTranslate(const MSG& msg) {
  if (!msg.hwnd) return false;
  Form* form = FromHandle(::GetAncestor(msg.hwnd, GA_ROOT));
  if (!form || !::IsWindowEnabled(form->hwnd_)) return false;
  form->tips_.Relay(msg);
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && ::GetKeyState(VK_CONTROL) >= 0 &&
      ::GetKeyState(VK_MENU) >= 0)
    return form->TabFromFocus(::GetKeyState(VK_SHIFT) < 0);
  if (msg.message == WM_SYSCHAR) {
    // The character arrives in the ANSI code page.
    const char byte = static_cast<char>(msg.wParam);
    const std::wstring ch = FromAnsi(std::string_view(&byte, 1));
    return !ch.empty() && form->AccessKey(ch[0]);
  }
  return false;
}

int Form::RunMessageLoop() {
  MSG msg;
  while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (PreTranslate(msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

void Form::DoEvents() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (PreTranslate(msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

}  // namespace ui
