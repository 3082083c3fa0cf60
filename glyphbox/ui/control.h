#pragma once
// Thin, non-owning wrappers over child windows. A wrapper holds the HWND, places the window
// in twips relative to its container and turns its own notifications into events.
#include <string>
#include <string_view>
#include <vector>

#include "ui/events.h"
#include "ui/win.h"

namespace ui {

struct Rect {
  double left, top, width, height;  // twips
};

int ScreenDpiX();
int ScreenDpiY();
int XToPixels(double twips);
int YToPixels(double twips);
double XToTwips(int pixels);
double YToTwips(int pixels);

// The system's user-interface font, shared by every control that has no font of its own.
HFONT DefaultUiFont();

class Control : public EventSource {
 public:
  ~Control() override;

  HWND Handle() const { return hwnd_; }

  double Left() const;
  double Top() const;
  double Width() const;
  double Height() const;
  // A negative width or height is refused: the window keeps its place and size.
  virtual bool Move(double left, double top, double width, double height);
  void SetLeft(double v) { Move(v, Top(), Width(), Height()); }
  void SetTop(double v) { Move(Left(), v, Width(), Height()); }
  void SetWidth(double v) { Move(Left(), Top(), v, Height()); }
  void SetHeight(double v) { Move(Left(), Top(), Width(), v); }

  bool Visible() const;
  void SetVisible(bool visible);
  bool Enabled() const;
  void SetEnabled(bool enabled);
  std::wstring Text() const;
  void SetText(std::wstring_view text);
  void Focus();

  // A WM_COMMAND notification code sent by this control to its parent.
  virtual void Notify(unsigned code) { (void)code; }

  static Control* FromHandle(HWND hwnd);

 protected:
  HWND CreateChild(HWND parent, const char* className, std::wstring_view text, DWORD style, DWORD exStyle,
                   const Rect& r);
  // Routes a standard control's own messages (or those of a window inside it) through Filter.
  // The window procedure is swapped directly: the common controls' subclass helper looks its
  // chain up in a window property on every message, which costs a trip to the window server
  // under Wine and made each list-box message about fifteen times dearer.
  void Subclass() { SubclassWindow(hwnd_); }
  void SubclassWindow(HWND hwnd);
  // Return true to swallow the message (result in `result`).
  virtual bool Filter(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

  HWND hwnd_ = nullptr;

 private:
  static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM);
  std::vector<HWND> subclassed_;
  // Where the window is, in pixels of its container's client area.
  RECT PixelRectInParent() const;
};

// Shift (1), Ctrl (2) and Alt (4) as held now.
int ShiftState();

// Mouse-event arguments in twips for a message of this window.
EventArgs MouseArgs(WPARAM wp, LPARAM lp, int button);

}  // namespace ui
