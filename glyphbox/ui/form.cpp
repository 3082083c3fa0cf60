#include "ui/form.h"

#include <cwctype>

#include "ui/label.h"
#include "ui/text.h"

namespace ui {

namespace {

ATOM FormClass() {
  static const ATOM cls = Window::OwnClass("GlyphboxForm", 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  return cls;
}

bool IsClass(HWND hwnd, const char* name) {
  char cls[32] = {};
  ::GetClassNameA(hwnd, cls, sizeof cls);
  return ::lstrcmpiA(cls, name) == 0;
}

}  // namespace

void Form::Destroy() {
  if (hwnd_) ::DestroyWindow(hwnd_);  // the window procedure forgets it
}

Form* Form::FromHandle(HWND hwnd) {
  // Any top-level window of the thread comes here (message boxes, menus, tooltips): only a
  // window of the form class carries a Form.
  if (!hwnd || ::GetClassWord(hwnd, GCW_ATOM) != FormClass()) return nullptr;
  return static_cast<Form*>(reinterpret_cast<Window*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA)));
}

void Form::CreateForm(std::wstring_view caption, double clientWidth, double clientHeight, DWORD style,
                      DWORD exStyle, HWND owner) {
  RECT r{0, 0, XToPixels(clientWidth), YToPixels(clientHeight)};
  ::AdjustWindowRectEx(&r, style, FALSE, exStyle);
  CreateOwn(FormClass(), caption, style & ~WS_VISIBLE, exStyle, CW_USEDEFAULT, CW_USEDEFAULT, r.right - r.left,
            r.bottom - r.top, owner);
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

void Timer::Create(HWND owner, UINT intervalMs) {
  owner_ = owner;
  interval_ = intervalMs;
}

void Timer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  // The timer's id is the timer itself: its ticks find it without the form's help.
  if (enabled)
    ::SetTimer(owner_, reinterpret_cast<UINT_PTR>(this), interval_, &Timer::Tick);
  else if (owner_)
    ::KillTimer(owner_, reinterpret_cast<UINT_PTR>(this));
}

void CALLBACK Timer::Tick(HWND, UINT, UINT_PTR id, DWORD) {
  try {
    reinterpret_cast<Timer*>(id)->Fire(Event::Timer);
  } catch (...) {
    // Nothing may unwind into the platform's message dispatch.
  }
}

void Form::ShowModal() {
  // Every other window of the thread that takes input now takes none until this one goes.
  struct Others {
    HWND self;
    std::vector<HWND> disabled;
  } others{hwnd_, {}};
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND h, LPARAM p) -> BOOL {
        auto* o = reinterpret_cast<Others*>(p);
        if (h != o->self && ::IsWindowVisible(h) && ::EnableWindow(h, FALSE) == FALSE) o->disabled.push_back(h);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&others));
  Show();
  ::SetForegroundWindow(others.self);
  MSG msg;
  while (::IsWindow(others.self)) {
    if (const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0); got <= 0) {
      if (got == 0) ::PostQuitMessage(static_cast<int>(msg.wParam));  // WM_QUIT is the outer loop's
      break;
    }
    Dispatch(msg);
  }
  for (HWND h : others.disabled) ::EnableWindow(h, TRUE);
  if (!others.disabled.empty()) ::SetForegroundWindow(others.disabled.front());
}

bool Form::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT&) {
  if (Notified(msg, wp, lp)) return true;
  switch (msg) {
    case WM_SIZE:
      Fire(Event::Resize);
      return false;
    case WM_CLOSE:
      Unload();
      ::DestroyWindow(hwnd_);
      return true;
    case WM_DESTROY:
      // Destroyed by the program rather than closed: it is unloaded all the same.
      Unload();
      if (quitOnDestroy_) ::PostQuitMessage(0);
      return false;
    default:
      return false;
  }
}

void Form::Unload() {
  if (unloaded_) return;
  unloaded_ = true;
  Fire(Event::Unload);
}

bool Form::CanFocus(const TabStop& stop) const {
  const HWND h = stop.control ? stop.control->Handle() : nullptr;
  return h && ::IsWindowVisible(h) && ::IsWindowEnabled(h) && (::GetWindowLongPtrA(h, GWL_STYLE) & WS_TABSTOP);
}

int Form::NextStop(int from, int step) const {
  const int n = static_cast<int>(tabOrder_.size());
  for (int k = 1; k <= n; ++k)
    if (const int j = ((from + k * step) % n + n) % n; CanFocus(tabOrder_[j])) return j;
  return -1;
}

bool Form::FocusStop(int index) {
  if (index < 0) return false;
  const HWND h = tabOrder_[index].control->Handle();
  ::SetFocus(h);
  // As in dialogs: arriving by keyboard in a text field selects its text.
  if (IsClass(h, "Edit"))
    ::SendMessageA(h, EM_SETSEL, 0, -1);
  else if (IsClass(h, "ComboBox"))
    ::SendMessageA(h, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
  return true;
}

bool Form::TabFromFocus(bool backwards) {
  const HWND focus = ::GetFocus();
  int i = backwards ? 0 : static_cast<int>(tabOrder_.size()) - 1;
  for (int k = 0; k < static_cast<int>(tabOrder_.size()); ++k) {
    const HWND h = tabOrder_[k].control ? tabOrder_[k].control->Handle() : nullptr;
    if (h && (h == focus || ::IsChild(h, focus))) i = k;
  }
  return FocusStop(NextStop(i, backwards ? -1 : 1));
}

bool Form::AccessKey(wchar_t key) {
  const auto is = [key](wchar_t k) { return k && std::towupper(k) == std::towupper(key); };
  for (int i = 0; i < static_cast<int>(tabOrder_.size()); ++i) {
    const TabStop& stop = tabOrder_[i];
    if (stop.label) {
      if (is(stop.label->AccessKey())) return FocusStop(NextStop(i, 1));
    } else if (CanFocus(stop) && IsClass(stop.control->Handle(), "Button") && is(AccessKeyOf(stop.control->Text()))) {
      // Only buttons carry an access key in their text; a text field's text is the user's.
      FocusStop(i);
      stop.control->Send(BM_CLICK);
      return true;
    }
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
  if (msg.message == WM_SYSCHAR) return form->AccessKey(static_cast<wchar_t>(msg.wParam));
  return false;
}

void Form::Dispatch(const MSG& msg) {
  if (PreTranslate(msg)) return;
  ::TranslateMessage(&msg);
  ::DispatchMessageW(&msg);
}

int Form::RunMessageLoop() {
  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) Dispatch(msg);
  return static_cast<int>(msg.wParam);
}

}  // namespace ui
