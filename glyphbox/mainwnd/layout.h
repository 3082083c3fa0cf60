#pragma once
// The main window's resize and splitter arithmetic, in whole twips. Pure.

namespace mainwnd {

// Where the resize puts things for a client area of w × h twips.
struct Layout {
  long upperHeight;  // h2: from the top margin down to the bottom panel
  long frameTop, listHeight, barHeight, frameWidth;
  long picture1Left, picture2Width, label2Left, text1Left;
};
Layout ComputeLayout(long w, long h);

// What the splitter's release gives the list, the search box and the preview.
struct SplitLayout {
  long listWidth, comboWidth, previewWidth, previewLeft;
};
SplitLayout ComputeSplit(long barLeft, long barWidth, long listLeft, long w);

// The bar's new left edge for a pointer at x (relative to the bar) while it is dragged:
// under the pointer, but at least 150 right of the list's left edge and at least 360 short
// of the client area's right edge.
long DragBarLeft(double barLeft, double x, double listLeft, long w);

// The progress bar after a resize: untouched (-1) while it is at its start width of 15,
// otherwise the strip's inner width less 30.
long ProgressWidthAfterResize(double barWidth, double stripInnerWidth);

}  // namespace mainwnd
