#include "flatbutton/flatlines.h"

namespace flatbutton {

namespace {

// Raised and sunken share one outline; only which edges are light changes.
std::vector<FlatLine> Bevel(double w, double h, Ink topLeft, Ink bottomRight) {
  return {
      {0, 0, w, 0, topLeft},
      {0, 0, 0, h, topLeft},
      {w - 15, 0, w - 15, h - 15, bottomRight},
      {0, h - 15, w, h - 15, bottomRight},
  };
}

}  // namespace

std::vector<FlatLine> NormalLines(double w, double h) {
  return {
      {0, 0, w, 0, Ink::Shadow},
      {15, 15, w, 15, Ink::Light},
      {0, 0, 0, h, Ink::Shadow},
      {15, 15, 15, h - 15, Ink::Light},
      {w - 30, 0, w - 30, h - 15, Ink::Shadow},
      {w - 15, 0, w - 15, h - 15, Ink::Light},
      {0, h - 30, w - 15, h - 30, Ink::Shadow},
      {0, h - 15, w, h - 15, Ink::Light},
  };
}

std::vector<FlatLine> UpLines(double w, double h) { return Bevel(w, h, Ink::Light, Ink::Shadow); }

std::vector<FlatLine> DownLines(double w, double h) { return Bevel(w, h, Ink::Shadow, Ink::Light); }

}  // namespace flatbutton
