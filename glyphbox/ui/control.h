#pragma once
// Thin, non-owning wrappers over child windows. A wrapper holds the HWND, places the window
// in twips relative to its container and turns its own messages and notifications into
// events.
#include <string>
#include <string_view>

#include "ui/events.h"
#include "ui/window.h"

namespace ui {

struct Rect {
  double left, top, width, height;  // twips
};
// Where a rectangle of twips lies in pixels: its edges rounded, halves to even.
RECT ToPixels(const Rect& r);

class Control : public Window, public EventSource {
 public:
  // Where the program put it, in twips relative to its container: the twips it was given,
  // not pixels read back.
  double Left() const { return rect_.left; }
  double Top() const { return rect_.top; }
  double Width() const { return rect_.width; }
  double Height() const { return rect_.height; }
  // A negative width or height is refused (false): the window keeps its place and size.
  virtual bool Move(double left, double top, double width, double height);
  bool SetLeft(double v) { return Move(v, rect_.top, rect_.width, rect_.height); }
  bool SetTop(double v) { return Move(rect_.left, v, rect_.width, rect_.height); }
  bool SetWidth(double v) { return Move(rect_.left, rect_.top, v, rect_.height); }
  bool SetHeight(double v) { return Move(rect_.left, rect_.top, rect_.width, v); }

  void SetVisible(bool visible);
  bool Enabled() const;
  void SetEnabled(bool enabled);
  std::wstring Text() const;
  void SetText(std::wstring_view text);
  void Focus();

 protected:
  // A standard control in the UI font; with `takeOver`, its mouse and key messages become
  // events. A `unicode` control keeps its text in Unicode, whatever the code page.
  void CreateChild(HWND parent, const char* className, std::wstring_view text, DWORD style, DWORD exStyle,
                   const Rect& r, bool takeOver, bool unicode = false);
  // Mouse and key messages raise their events; the control still handles them as usual.
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

  Rect rect_{};

 private:
  // Where the window lies on its container, in pixels.
  RECT Placed() const;

  RECT asked_{};   // the pixels of the last move that reached the window
  RECT placed_{};  // where the window lay after it
};

}  // namespace ui
