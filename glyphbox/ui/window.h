#pragma once
// Every window the program drives goes through one window procedure, Window::Proc: the
// windows of its own classes (forms, panels) and the standard controls whose procedure it
// takes over. The wrapper sees each message first; what it leaves goes on to the window's
// own procedure.
#include <string_view>

#include "ui/events.h"
#include "ui/win.h"

namespace ui {

// Twips and device pixels on this screen, at its logical DPI (read once).
int ScreenDpiX();
int ScreenDpiY();
int XToPixels(double twips);
int YToPixels(double twips);
double XToTwips(int pixels);
double YToTwips(int pixels);

// The system's user-interface font, shared by every control that has no font of its own.
HFONT DefaultUiFont();

// The event a mouse or keyboard message raises, and its arguments: for the mouse, the
// buttons held (1 left, 2 right, 4 middle, added; a release counts the button let go too),
// the shift state and the position in twips; for a key, its code and the shift state.
// False for every other message.
bool InputEvent(UINT msg, WPARAM wp, LPARAM lp, Event& event, EventArgs& args);

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND Handle() const { return hwnd_; }
  // Whether the window keeps its text in Unicode: then every message goes to it as such.
  bool Unicode() const { return unicode_; }
  LRESULT Send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const {
    return unicode_ ? ::SendMessageW(hwnd_, msg, wp, lp) : ::SendMessageA(hwnd_, msg, wp, lp);
  }
  // With a text as the message's parameter, in the ANSI code page.
  LRESULT SendText(UINT msg, WPARAM wp, std::wstring_view text) const;

  // The client area, in pixels and in twips.
  RECT Client() const;
  double ScaleWidth() const { return XToTwips(Client().right); }
  double ScaleHeight() const { return YToTwips(Client().bottom); }

  // A WM_COMMAND notification code this window sent to its parent (controls decode theirs).
  virtual void Notify(unsigned code) { (void)code; }

  // Registers one of the program's own classes (once per class: callers keep the atom).
  static ATOM OwnClass(const char* name, UINT style, HBRUSH background);

 protected:
  // A window of such a class, created with this wrapper behind it.
  HWND CreateOwn(ATOM cls, std::wstring_view text, DWORD style, DWORD exStyle, int x, int y, int w, int h,
                 HWND parent);
  // Takes over a standard control's procedure (or that of a window inside it, such as a
  // combo box's edit field): its messages reach OnMessage first, in Unicode when the wrapper
  // created its window so (the platform's own answer to IsWindowUnicode differs between
  // Windows and Wine for the standard controls).
  void TakeOver(HWND hwnd);
  // Puts this wrapper behind a window created elsewhere, without taking over its messages.
  void Adopt(HWND hwnd);
  // True when handled (the result in `result`); false passes the message on.
  virtual bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  // The message as the window's own procedure handles it, bypassing OnMessage.
  LRESULT CallPrevious(UINT msg, WPARAM wp, LPARAM lp);
  // A notification from one of this window's children reaches the child's wrapper: every
  // child of a form or panel was created by a wrapper.
  bool Notified(UINT msg, WPARAM wp, LPARAM lp);

  HWND hwnd_ = nullptr;
  bool unicode_ = false;

 private:
  // The window procedure of the window whose messages come here, as the window takes it.
  WNDPROC RoutedProc() const;
  WNDPROC SetRoutedProc(WNDPROC proc) const;

  static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
  void Detach();

  HWND routed_ = nullptr;      // the window whose messages come to OnMessage
  WNDPROC previous_ = nullptr;  // its own procedure; DefWindowProcA for our own classes
};

}  // namespace ui
