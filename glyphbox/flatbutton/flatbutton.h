#pragma once
// Draws a flat button's looks on its picture box; the drawing persists until the next one.
#include "ui/panel.h"

namespace Cmmdl_Flatbutton {

// Reads the surface's drawing size for the next drawing and clears it.
void FlatPrepare(ui::PictureBox& surface);
void FlatNormal(ui::PictureBox& surface);
void FlatUp(ui::PictureBox& surface);
void FlatDown(ui::PictureBox& surface);

}  // namespace Cmmdl_Flatbutton
