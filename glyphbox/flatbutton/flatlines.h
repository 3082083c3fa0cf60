#pragma once
// The three looks of a flat button as lists of one-pixel lines on its drawing surface, drawn
// in order (later lines paint over earlier ones; a line's end point is not painted).
#include <vector>

#include "ui/twips.h"

namespace flatbutton {

using ui::DrawTwips;

enum class Ink { Shadow, Light };

struct FlatLine {
  DrawTwips x1, y1, x2, y2;
  Ink ink;
};

std::vector<FlatLine> NormalLines(DrawTwips w, DrawTwips h);  // etched frame
std::vector<FlatLine> UpLines(DrawTwips w, DrawTwips h);      // raised, under the pointer
std::vector<FlatLine> DownLines(DrawTwips w, DrawTwips h);    // sunken, pressed

}  // namespace flatbutton
