#include "flatbutton/flatlines.h"

namespace flatbutton {

namespace {

constexpr DrawTwips o{0}, px = ui::kDrawPixel, px2{2 * ui::kDrawPixel.value};

// Raised and sunken share one outline; only which edges are light changes.
std::vector<FlatLine> Bevel(DrawTwips w, DrawTwips h, Ink topLeft, Ink bottomRight) {
  return {
      {o, o, w, o, topLeft},
      {o, o, o, h, topLeft},
      {w - px, o, w - px, h - px, bottomRight},
      {o, h - px, w, h - px, bottomRight},
  };
}

}  // namespace

std::vector<FlatLine> NormalLines(DrawTwips w, DrawTwips h) {
  return {
      {o, o, w, o, Ink::Shadow},
      {px, px, w, px, Ink::Light},
      {o, o, o, h, Ink::Shadow},
      {px, px, px, h - px, Ink::Light},
      {w - px2, o, w - px2, h - px, Ink::Shadow},
      {w - px, o, w - px, h - px, Ink::Light},
      {o, h - px2, w - px, h - px2, Ink::Shadow},
      {o, h - px, w, h - px, Ink::Light},
  };
}

std::vector<FlatLine> UpLines(DrawTwips w, DrawTwips h) { return Bevel(w, h, Ink::Light, Ink::Shadow); }

std::vector<FlatLine> DownLines(DrawTwips w, DrawTwips h) { return Bevel(w, h, Ink::Shadow, Ink::Light); }

}  // namespace flatbutton
