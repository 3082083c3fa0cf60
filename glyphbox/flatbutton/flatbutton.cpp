#include "flatbutton/flatbutton.h"

#include "flatbutton/flatlines.h"

namespace Cmmdl_Flatbutton {

namespace {

ui::DrawTwips W, H;

void Draw(ui::PictureBox& surface, const std::vector<flatbutton::FlatLine>& lines) {
  // Shadow follows the system colour; the light edge is plain white, not the 3-D highlight.
  const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
  const COLORREF light = RGB(255, 255, 255);
  for (const auto& l : lines)
    surface.Line(l.x1, l.y1, l.x2, l.y2, l.ink == flatbutton::Ink::Shadow ? shadow : light);
}

}  // namespace

void FlatPrepare(ui::PictureBox& surface) {
  W = surface.DrawWidth();
  H = surface.DrawHeight();
  surface.Cls();
}

void FlatNormal(ui::PictureBox& surface) {
  FlatPrepare(surface);
  Draw(surface, flatbutton::NormalLines(W, H));
}

void FlatUp(ui::PictureBox& surface) {
  FlatPrepare(surface);
  Draw(surface, flatbutton::UpLines(W, H));
}

void FlatDown(ui::PictureBox& surface) {
  FlatPrepare(surface);
  Draw(surface, flatbutton::DownLines(W, H));
}

}  // namespace Cmmdl_Flatbutton
