// Form1's layout: the resize and the splitter bar.
#include "mainwnd/form1.h"
#include "mainwnd/layout.h"
#include "ui/twips.h"

// Every step runs whatever became of the ones before: a length the window is too small for
// is refused, and that control keeps its old one.
void Form1::Form_Resize() {
  if (::IsIconic(Handle())) return;
  const long h = ui::RoundHalfEven(ScaleHeight());
  const long w = ui::RoundHalfEven(ScaleWidth());
  const mainwnd::Layout l = mainwnd::ComputeLayout(w, h);
  Frame1.SetTop(l.frameTop);
  List1.SetHeight(l.listHeight);
  Bar.SetHeight(l.barHeight);
  Frame1.SetWidth(l.frameWidth);
  Picture1.SetLeft(l.picture1Left);
  Picture2.SetWidth(l.picture2Width);
  Label2.Move(l.label2Left, Label2.Top(), Label2.Width(), Label2.Height());
  Tips().Follow(Label2);
  Text1.SetLeft(l.text1Left);
  Bar_MouseUp(0, 0, 0, 0);
  if (const long width = mainwnd::ProgressWidthAfterResize(pBar.Width(), Picture2.ScaleWidth()); width >= 0)
    pBar.SetWidth(width);
  if (Text2.Height() != l.upperHeight) {
    // Through a whole number of points, as the size box's text is not read here.
    const long points = ui::RoundHalfEven(Text2.FontSize());
    Text2.SetFontSize(9);
    Text2.SetHeight(l.upperHeight);
    Text2.SetFontSize(points);
  }
}

void Form1::Bar_MouseDown(int, int, double, double) {
  Bar.SetBackColor(::GetSysColor(COLOR_BTNSHADOW));
  barDrag_ = 255;
  // Moves and the release reach the bar even when the pointer leaves it.
  ::SetCapture(Bar.Handle());
}

void Form1::Bar_MouseMove(int, int, double X, double) {
  if (barDrag_ == 0) return;
  // X counts from the bar's left edge as it lies on the screen, in whole pixels: the edge
  // goes under the pointer only when measured from there. (From the twips the layout gave
  // it, a bar between two pixels would creep on at every move of a resting pointer.)
  const double shownLeft = ui::XToTwips(ui::XToPixels(Bar.Left()));
  Bar.SetLeft(mainwnd::DragBarLeft(shownLeft, X, List1.Left(), ui::RoundHalfEven(ScaleWidth())));
}

// The mouse taken away mid-drag ends the drag as a release would: otherwise the bar would
// follow the pointer on hover until the next click.
void Form1::Bar_LostCapture() {
  if (barDrag_) Bar_MouseUp(0, 0, 0, 0);
}

void Form1::Bar_MouseUp(int, int, double, double) {
  const long w = ui::RoundHalfEven(ScaleWidth());
  const long barLeft = ui::RoundHalfEven(Bar.Left());
  const long barWidth = ui::RoundHalfEven(Bar.Width());
  const mainwnd::SplitLayout s = mainwnd::ComputeSplit(barLeft, barWidth, ui::RoundHalfEven(List1.Left()), w);
  List1.SetWidth(s.listWidth);
  Combo1.SetWidth(s.comboWidth);
  Text2.SetWidth(s.previewWidth);
  Text2.SetLeft(s.previewLeft);
  Bar.SetBackColor(::GetSysColor(COLOR_BTNFACE));
  barDrag_ = 0;
  if (::GetCapture() == Bar.Handle()) ::ReleaseCapture();
}
