#pragma once
// Child windows of our own class: plain panels, caption-less frames and picture boxes.
// A panel forwards its children's notifications to its parent, so a control inside a frame
// still reports to the form, and paints the windowless labels that lie on it.
#include <vector>

#include "ui/control.h"
#include "ui/handles.h"

namespace ui {

class Label;

class Panel : public Control {
 public:
  enum class Look { Plain, Frame, Sunken };

  void Create(HWND parent, const Rect& r, Look look = Look::Plain);

  // Background: a system colour index (COLOR_BTNFACE by default) or a fixed colour.
  void SetBackColor(COLORREF color);
  COLORREF BackColor() const;
  // The mouse pointer over the panel (the class's arrow when null).
  void SetCursor(HCURSOR cursor) { cursor_ = cursor; }

  // The inner size in twips.
  double ScaleWidth() const;
  double ScaleHeight() const;

  void AddLabel(Label& label) { labels_.push_back(&label); }
  const std::vector<Label*>& Labels() const { return labels_; }

  // A straight line drawn on the background, in twips.
  void AddLine(double x1, double y1, double x2, double y2, COLORREF color);
  // A picture drawn at the top-left corner.
  void SetPicture(HICON icon);

 protected:
  bool Filter(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
  virtual void PaintImage(HDC dc, const RECT& client);
  // Nothing but its colour to show: such a panel paints itself as soon as it is uncovered,
  // without waiting for the message loop (the progress bar grows while the loop is busy).
  virtual bool Solid() const;

 private:
  static LRESULT CALLBACK ClassProc(HWND, UINT, WPARAM, LPARAM);
  static void Register();

  void PaintAll(HDC dc);
  bool FireMouse(Event event, WPARAM wp, LPARAM lp, int button);

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
// copies to the screen, so the last drawing stays visible until it is replaced.
class PictureBox : public Panel {
 public:
  void Cls();
  void Line(double x1, double y1, double x2, double y2, COLORREF color);
  // The colour of the persistent image at a point (twips), for whoever needs to read it back.
  COLORREF Point(double x, double y) const;

 protected:
  bool Filter(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
  void PaintImage(HDC dc, const RECT& client) override;
  bool Solid() const override { return false; }

 private:
  void EnsureImage();

  UniqueBitmap image_;
  SIZE imageSize_{};
};

}  // namespace ui
