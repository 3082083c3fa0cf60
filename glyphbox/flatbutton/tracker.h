#pragma once
// How a flat button follows the mouse: the hover, pressed and normal looks, the caption's
// shift while pressed, and whether a release is a click. Each window with a flat button
// owns one; its handlers call these with the button state they were given.
#include "ui/label.h"
#include "ui/panel.h"

namespace flatbutton {

class Tracker {
 public:
  Tracker(ui::PictureBox& surface, ui::Label& caption, double restLeft, double restTop)
      : surface_(surface), caption_(caption), restLeft_(restLeft), restTop_(restTop) {}

  void MouseDown(int button);
  void MouseMove(int button);
  // True for a click: the pointer over the button and the left button alone. Tracking
  // goes on either way; the caller decides what a click does.
  bool MouseUp(int button);
  // Starts following the pointer again (after a click has been handled).
  void Track();
  // Stops following it (the window goes).
  void Stop();
  // Another window took the mouse away mid-press or mid-hover: the button is at rest again,
  // as when the pointer is seen to leave it.
  void LostCapture();
  // Normal look, caption at rest.
  void Rest();

  bool Tracking() const { return tracking_ != 0; }

 private:
  bool OverButton();
  void Press();

  ui::PictureBox& surface_;
  ui::Label& caption_;
  double restLeft_, restTop_;
  unsigned char tracking_ = 0;  // 255 while the surface holds the mouse capture
  POINT cursor_{};
};

}  // namespace flatbutton
