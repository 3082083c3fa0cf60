#include "flatbutton/tracker.h"

#include "flatbutton/flatbutton.h"

namespace flatbutton {

namespace {
constexpr int kLeftOnly = 1;
constexpr double kPressShift = 15;  // the caption moves one pixel right and down
}  // namespace

bool Tracker::OverButton() {
  ::GetCursorPos(&cursor_);
  // The caption has no window of its own: over it, the surface is the window found.
  return ::WindowFromPoint(cursor_) == surface_.Handle();
}

void Tracker::Press() {
  Cmmdl_Flatbutton::FlatDown(surface_);
  caption_.Move(restLeft_ + kPressShift, restTop_ + kPressShift, caption_.Width(), caption_.Height());
}

void Tracker::Rest() {
  Cmmdl_Flatbutton::FlatNormal(surface_);
  caption_.Move(restLeft_, restTop_, caption_.Width(), caption_.Height());
}

void Tracker::Track() {
  ::SetCapture(surface_.Handle());
  tracking_ = 255;
}

void Tracker::Stop() {
  tracking_ = 0;  // before the release, whose capture change must not count as a loss
  ::ReleaseCapture();
}

void Tracker::LostCapture() {
  if (!tracking_) return;
  tracking_ = 0;
  Rest();
}

void Tracker::MouseDown(int button) {
  if (button == kLeftOnly) Press();
  Track();
}

void Tracker::MouseMove(int button) {
  if (tracking_) {
    if (!OverButton()) {
      Stop();
      Rest();
    }
    return;
  }
  if (button == kLeftOnly)
    Press();
  else
    Cmmdl_Flatbutton::FlatUp(surface_);
  Track();
}

bool Tracker::MouseUp(int button) { return OverButton() && button == kLeftOnly; }

}  // namespace flatbutton
