// The about button's looks, read back from its persistent drawing and from the screen.
#include "flatbutton/flatbutton.h"
#include "harness.h"

namespace {

struct Corners {
  COLORREF topLeft, topRight, bottomLeft, bottomRight;
};

Corners FromImage(const ui::PictureBox& p) {
  const double w = p.Width() - 15, h = p.Height() - 15;
  return {p.Point(0, 0), p.Point(w, 0), p.Point(0, h), p.Point(w, h)};
}

Corners FromScreen(const ui::PictureBox& p) {
  RECT r;
  GetClientRect(p.Handle(), &r);
  HDC dc = GetDC(p.Handle());
  const Corners c{GetPixel(dc, 0, 0), GetPixel(dc, r.right - 1, 0), GetPixel(dc, 0, r.bottom - 1),
                  GetPixel(dc, r.right - 1, r.bottom - 1)};
  ReleaseDC(p.Handle(), dc);
  return c;
}

const COLORREF S = GetSysColor(COLOR_BTNSHADOW);
const COLORREF L = RGB(255, 255, 255);
const COLORREF Face = GetSysColor(COLOR_BTNFACE);

}  // namespace

class FlatLook : public MainWindow {
 protected:
  void Repaint() {
    InvalidateRect(form->Picture1.Handle(), nullptr, TRUE);
    UpdateWindow(form->Picture1.Handle());
    Pump();
  }
  void ExpectCorners(COLORREF tl, COLORREF tr, COLORREF bl, COLORREF br, const char* look) {
    for (const Corners& c : {FromImage(form->Picture1), FromScreen(form->Picture1)}) {
      EXPECT_EQ(c.topLeft, tl) << look << " top-left";
      EXPECT_EQ(c.topRight, tr) << look << " top-right";
      EXPECT_EQ(c.bottomLeft, bl) << look << " bottom-left";
      EXPECT_EQ(c.bottomRight, br) << look << " bottom-right";
    }
  }
};

TEST_F(FlatLook, TheAboutButtonOpensInItsEtchedNormalLook) {
  Repaint();
  ExpectCorners(S, L, L, L, "normal");
  EXPECT_EQ(form->Picture1.Point(15, 15), L) << "inner light line";
  EXPECT_EQ(form->Picture1.Point(form->Picture1.Width() - 30, 15), S) << "inner shadow line";
}

TEST_F(FlatLook, RaisedLeavesNoTraceOfTheEtchedFrame) {
  Cmmdl_Flatbutton::FlatUp(form->Picture1);
  Repaint();
  ExpectCorners(L, S, S, S, "raised");
  EXPECT_EQ(form->Picture1.Point(15, 15), Face);
  EXPECT_EQ(form->Picture1.Point(form->Picture1.Width() - 30, 15), Face);
}

TEST_F(FlatLook, PressedIsSunken) {
  Cmmdl_Flatbutton::FlatDown(form->Picture1);
  Repaint();
  ExpectCorners(S, L, L, L, "pressed");
  EXPECT_EQ(form->Picture1.Point(15, 15), Face);
}

TEST_F(FlatLook, ARepaintShowsTheLastLook) {
  Cmmdl_Flatbutton::FlatUp(form->Picture1);
  Repaint();
  ShowWindow(form->Handle(), SW_MINIMIZE);
  ShowWindow(form->Handle(), SW_RESTORE);
  Repaint();
  ExpectCorners(L, S, S, S, "raised after a repaint");
}

TEST_F(FlatLook, ANewSizeIsUsedByTheNextDrawing) {
  form->Picture1.Move(5000, 630, 2100, 420);  // still inside the bottom panel
  Cmmdl_Flatbutton::FlatNormal(form->Picture1);
  Repaint();
  ExpectCorners(S, L, L, L, "normal, resized");
  EXPECT_EQ(form->Picture1.Point(2100 - 15, 420 - 15), L);
  EXPECT_EQ(form->Picture1.Point(2100 - 30, 15), S);
}

TEST_F(FlatLook, TheCaptionIsDrawnOnTheButton) {
  Repaint();
  // Somewhere inside the caption's box the text is darker than the button face.
  const RECT r = form->Label1.PixelRect();
  HDC dc = GetDC(form->Picture1.Handle());
  int ink = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) ink += GetPixel(dc, x, y) == GetSysColor(COLOR_BTNTEXT);
  ReleaseDC(form->Picture1.Handle(), dc);
  EXPECT_GT(ink, 20);
}
