#pragma once
// Child windows of our own class: plain panels, caption-less frames and picture boxes.
// A panel passes its children's notifications on to them, so a control inside a frame still
// reports to the form, and paints the windowless labels that lie on it.
#include <vector>

#include "ui/control.h"
#include "ui/handles.h"
#include "ui/twips.h"

namespace ui {

class Label;

class Panel : public Control {
 public:
  enum class Look { Plain, Frame, Sunken };

  void Create(HWND parent, const Rect& r, Look look = Look::Plain);

  // Background: the button face unless a fixed colour is set.
  void SetBackColor(COLORREF color);
  COLORREF BackColor() const { return fixedColor_ ? color_ : ::GetSysColor(COLOR_BTNFACE); }
  // The mouse pointer over the panel (the class's arrow when null).
  void SetCursor(HCURSOR cursor) { cursor_ = cursor; }

  void AddLabel(Label& label) { labels_.push_back(&label); }
  // A straight line drawn on the background, in the screen's twips.
  void AddLine(double x1, double y1, double x2, double y2, COLORREF color);
  // A picture drawn at the top-left corner.
  void SetPicture(HICON icon);

 protected:
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
  virtual void PaintImage(HDC dc, const RECT& client);

 private:
  // Nothing but its colour to show: such a panel paints itself as soon as it is uncovered,
  // without waiting for the message loop (the progress bar grows while the loop is busy).
  bool Solid() const { return look_ == Look::Plain && lines_.empty() && !picture_ && labels_.empty(); }
  void PaintAll(HDC dc);
  // A mouse event over a windowless label goes to the label when it listens for it.
  void FireMouse(Event event, EventArgs& args, LPARAM lp);

  struct Stroke {
    double x1, y1, x2, y2;
    COLORREF color;
  };
  Look look_ = Look::Plain;
  std::vector<Stroke> lines_;
  HICON picture_ = nullptr;
  bool fixedColor_ = false;
  COLORREF color_ = 0;
  HCURSOR cursor_ = nullptr;
  std::vector<Label*> labels_;
};

// A picture box whose drawing persists: lines go to an off-screen image that every repaint
// copies to the screen, so the last drawing stays visible until it is replaced. A drawing is
// measured in DrawTwips, so that an edge at the drawing's width is the surface's last pixel.
class PictureBox : public Panel {
 public:
  // The drawing's size: the surface's whole pixels.
  DrawTwips DrawWidth() const;
  DrawTwips DrawHeight() const;
  void Cls();
  void Line(DrawTwips x1, DrawTwips y1, DrawTwips x2, DrawTwips y2, COLORREF color);

 protected:
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
  void PaintImage(HDC dc, const RECT& client) override;

 private:
  // The image, the size of the client area, selected into its own memory DC.
  HDC Image();

  UniqueBitmap image_;
  UniqueMemoryDc dc_;  // goes before image_: a bitmap cannot be deleted while a DC holds it
  HGDIOBJ original_ = nullptr;
  SIZE size_{};
};

}  // namespace ui
