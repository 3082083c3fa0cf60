#pragma once
// The main window's procedure hook: it keeps the window from being dragged smaller than
// the bottom panel needs and passes everything else to the procedure it replaced.
#include "ui/win.h"

namespace mdl_SetWindowSize {

// Whole window, frame included, in pixels whatever the DPI.
constexpr LONG kMinTrackWidth = 553;
constexpr LONG kMinTrackHeight = 108;

extern LONG_PTR lPrevWndProc;

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

}  // namespace mdl_SetWindowSize
