// The about button's looks, as the screen shows them after a full repaint.
#include "flatbutton/flatbutton.h"
#include "harness.h"

namespace {

const COLORREF S = GetSysColor(COLOR_BTNSHADOW);
const COLORREF L = RGB(255, 255, 255);
const COLORREF Face = GetSysColor(COLOR_BTNFACE);

// The four corner pixels, then the second pixel of the second row and its second-last pixel:
// where the inner lines of the etched frame run.
struct Look {
  COLORREF topLeft, topRight, bottomLeft, bottomRight, innerLeft, innerRight;
  bool operator==(const Look&) const = default;
};

Look LookOf(HWND surface) {
  RECT r;
  GetClientRect(surface, &r);
  return {ScreenPixel(surface, 0, 0),          ScreenPixel(surface, r.right - 1, 0),
          ScreenPixel(surface, 0, r.bottom - 1), ScreenPixel(surface, r.right - 1, r.bottom - 1),
          ScreenPixel(surface, 1, 1),          ScreenPixel(surface, r.right - 2, 1)};
}

const Look kNormal{S, L, L, L, L, S}, kUp{L, S, S, S, Face, Face}, kDown{S, L, L, L, Face, Face};

}  // namespace

using FlatLook = MainWindow;

TEST_F(FlatLook, EachLookHasItsOwnLinesAndLeavesNoTraceOfTheOneBefore) {
  const HWND surface = form->Picture1.Handle();
  EXPECT_EQ(LookOf(surface), kNormal) << "the about button opens in its etched look";
  Cmmdl_Flatbutton::FlatUp(form->Picture1);
  EXPECT_EQ(LookOf(surface), kUp) << "raised";
  Cmmdl_Flatbutton::FlatDown(form->Picture1);
  EXPECT_EQ(LookOf(surface), kDown) << "sunken";
  Cmmdl_Flatbutton::FlatNormal(form->Picture1);
  EXPECT_EQ(LookOf(surface), kNormal) << "etched again";
}

TEST_F(FlatLook, ARepaintShowsTheLastLook) {
  Cmmdl_Flatbutton::FlatUp(form->Picture1);
  ShowWindow(form->Handle(), SW_MINIMIZE);
  ShowWindow(form->Handle(), SW_RESTORE);
  Pump();
  EXPECT_EQ(LookOf(form->Picture1.Handle()), kUp) << "raised after a repaint";
}

TEST_F(FlatLook, ANewSizeIsUsedByTheNextDrawing) {
  form->Picture1.Move(5000, 630, 2100, 420);  // still inside the bottom panel
  Cmmdl_Flatbutton::FlatNormal(form->Picture1);
  EXPECT_EQ(LookOf(form->Picture1.Handle()), kNormal) << "normal, resized";
}

TEST_F(FlatLook, TheCaptionIsDrawnOnTheButton) {
  // Somewhere inside the caption's box the text is darker than the button face.
  const RECT r = form->Label1.PixelRect();
  ScreenPixel(form->Picture1.Handle(), 0, 0);
  HDC dc = GetDC(form->Picture1.Handle());
  int ink = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) ink += GetPixel(dc, x, y) == GetSysColor(COLOR_BTNTEXT);
  ReleaseDC(form->Picture1.Handle(), dc);
  EXPECT_GT(ink, 20);
}
