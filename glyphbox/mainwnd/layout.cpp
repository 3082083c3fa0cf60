#include "mainwnd/layout.h"

#include "ui/twips.h"

namespace mainwnd {

Layout ComputeLayout(long w, long h) {
  Layout l{};
  l.upperHeight = h - 1215;
  l.frameTop = h - 1095;
  l.listHeight = l.upperHeight - 360;
  l.barHeight = l.upperHeight;
  l.frameWidth = w;
  l.picture1Left = w - 1575;
  l.picture2Width = w - 1800;
  l.label2Left = w - 1515;
  l.text1Left = w - 735;
  return l;
}

SplitLayout ComputeSplit(long barLeft, long barWidth, long listLeft, long w) {
  SplitLayout s{};
  s.listWidth = barLeft - listLeft;
  s.comboWidth = s.listWidth;
  s.previewWidth = w - (barLeft + 270) + barWidth;
  s.previewLeft = barLeft + barWidth + 15;
  return s;
}

long DragBarLeft(double barLeft, double x, double listLeft, long w) {
  long p = ui::RoundHalfEven(barLeft + x);
  if (p < listLeft + 150)
    p = ui::RoundHalfEven(listLeft + 150);
  else if (p + 360 > w)
    p = w - 360;
  return p;
}

long ProgressWidthAfterResize(double barWidth, double stripInnerWidth) {
  return barWidth == 15 ? -1 : ui::RoundHalfEven(stripInnerWidth - 30);
}

}  // namespace mainwnd
