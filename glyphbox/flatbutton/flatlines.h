#pragma once
// The three looks of a flat button as lists of one-pixel lines, in twips, drawn in order
// (later lines paint over earlier ones; a line's end point is not painted).
#include <vector>

namespace flatbutton {

enum class Ink { Shadow, Light };

struct FlatLine {
  double x1, y1, x2, y2;
  Ink ink;
};

std::vector<FlatLine> NormalLines(double w, double h);  // etched frame
std::vector<FlatLine> UpLines(double w, double h);      // raised, under the pointer
std::vector<FlatLine> DownLines(double w, double h);    // sunken, pressed

}  // namespace flatbutton
