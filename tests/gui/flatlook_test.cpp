// The about button's looks, as the screen shows them after a full repaint.
#include "flatbutton/flatbutton.h"
#include "harness.h"

using FlatLook = MainWindow;

TEST_F(FlatLook, EachLookHasItsOwnLinesAndLeavesNoTraceOfTheOneBefore) {
  const HWND surface = form->Picture1.Handle();
  EXPECT_EQ(LookOf(surface), kNormalLook) << "the about button opens in its etched look";
  Cmmdl_Flatbutton::FlatUp(form->Picture1);
  EXPECT_EQ(LookOf(surface), kUpLook) << "raised";
  Cmmdl_Flatbutton::FlatDown(form->Picture1);
  EXPECT_EQ(LookOf(surface), kDownLook) << "sunken";
  Cmmdl_Flatbutton::FlatNormal(form->Picture1);
  EXPECT_EQ(LookOf(surface), kNormalLook) << "etched again";
}

TEST_F(FlatLook, ARepaintShowsTheLastLook) {
  Cmmdl_Flatbutton::FlatUp(form->Picture1);
  ShowWindow(form->Handle(), SW_MINIMIZE);
  ShowWindow(form->Handle(), SW_RESTORE);
  Pump();
  EXPECT_EQ(LookOf(form->Picture1.Handle()), kUpLook) << "raised after a repaint";
}

TEST_F(FlatLook, ANewSizeIsUsedByTheNextDrawing) {
  form->Picture1.Move(5000, 630, 2100, 420);  // still inside the bottom panel
  Cmmdl_Flatbutton::FlatNormal(form->Picture1);
  EXPECT_EQ(LookOf(form->Picture1.Handle()), kNormalLook) << "normal, resized";
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
