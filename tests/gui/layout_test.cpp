// The real window resized, and its splitter dragged with the real mouse.
#include "harness.h"

#include <cmath>

#include "support/fontinstall.h"

namespace {

// Sets the client area to w × h twips.
void ResizeClient(HWND hwnd, double w, double h) {
  RECT r{0, 0, ui::XToPixels(w), ui::YToPixels(h)};
  AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_EXSTYLE)));
  SetWindowPos(hwnd, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER);
  Pump();
}

void MouseTo(HWND hwnd, int x, int y) {
  POINT p{x, y};
  ClientToScreen(hwnd, &p);
  input::MoveMouse(p, &Pump);
  Pump();
}

struct Geometry {
  double frameTop, listHeight, listWidth, barLeft, barHeight, textLeft, textWidth, textHeight, picture1Left,
      picture2Width, label2Left, text1Left;
  bool operator==(const Geometry&) const = default;
};

Geometry Read(const Form1& f) {
  return {f.Frame1.Top(), f.List1.Height(), f.List1.Width(), f.Bar.Left(), f.Bar.Height(), f.Text2.Left(),
          f.Text2.Width(), f.Text2.Height(), f.Picture1.Left(), f.Picture2.Width(), f.Label2.Left(), f.Text1.Left()};
}

// How many times a control of the form was asked to move or resize while `run` ran.
template <class Run>
int MovesDuring(HWND form, Run run) {
  static HWND watched;
  static int moves;
  watched = form;
  moves = 0;
  const HHOOK hook = SetWindowsHookExA(
      WH_CALLWNDPROC,
      [](int code, WPARAM wp, LPARAM lp) -> LRESULT {
        const auto* m = reinterpret_cast<const CWPSTRUCT*>(lp);
        if (code == HC_ACTION && m->message == WM_WINDOWPOSCHANGING && IsChild(watched, m->hwnd)) ++moves;
        return CallNextHookEx(nullptr, code, wp, lp);
      },
      nullptr, GetCurrentThreadId());
  run();
  UnhookWindowsHookEx(hook);
  return moves;
}

// A control's window as it lies on the form, in pixels.
RECT OnForm(const ui::Control& c, HWND form) {
  RECT r;
  GetWindowRect(c.Handle(), &r);
  MapWindowPoints(HWND_DESKTOP, form, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

}  // namespace

class Layout : public ForegroundWindow {
 protected:
  // Presses the left button on the bar at a client point of it; the bar holds the mouse then.
  void Grab(int x, int y) {
    const HWND bar = form->Bar.Handle();
    // Arrive with a real move (the pointer may already stand there from an earlier test).
    MouseTo(bar, x, y + 5);
    MouseTo(bar, x, y);
    input::MouseButtons(MOUSEEVENTF_LEFTDOWN, &Pump);
    EXPECT_TRUE(Settle([&] { return GetCapture() == bar; })) << "the bar took the mouse";
  }
  void Release() {
    input::MouseButtons(MOUSEEVENTF_LEFTUP, &Pump);
    EXPECT_TRUE(Settle([] { return GetCapture() == nullptr; })) << "the bar let the mouse go";
  }
  // Drags the bar: grabbed near its left edge, moved to client x (pixels), released if asked.
  void Drag(int toX, bool release = true) {
    const HWND bar = form->Bar.Handle();
    RECT r;
    GetClientRect(bar, &r);
    Grab(1, r.bottom / 2);
    POINT to{toX, 100};
    MapWindowPoints(form->Handle(), bar, &to, 1);
    MouseTo(bar, to.x, r.bottom / 2);
    if (release) Release();
  }
};

TEST_F(Layout, ALargerWindowKeepsTheRightHandControlsAtTheirDistance) {
  ResizeClient(form->Handle(), 12000, 8010);
  EXPECT_DOUBLE_EQ(form->Frame1.Top(), 8010 - 1095);
  EXPECT_DOUBLE_EQ(form->Frame1.Width(), 12000);
  EXPECT_DOUBLE_EQ(form->Picture1.Left(), 12000 - 1575);
  EXPECT_DOUBLE_EQ(form->Text1.Left(), 12000 - 735);
  EXPECT_DOUBLE_EQ(form->Label2.Left(), 12000 - 1515);
  EXPECT_DOUBLE_EQ(form->Picture2.Width(), 12000 - 1800);
  EXPECT_DOUBLE_EQ(form->Text2.Width(), 12000 - (2535 + 270) + 45);
  // A list box trims its height to whole rows.
  EXPECT_NEAR(form->List1.Height(), 8010 - 1575, 12 * 15);
  EXPECT_DOUBLE_EQ(form->Bar.Height(), 8010 - 1215);
}

TEST_F(Layout, HeightsThatWouldBeNegativeKeepTheirOldValues) {
  const Geometry before = Read(*form);
  ResizeClient(form->Handle(), 8175, 600);  // the minimum window size stops it somewhat higher
  const double h = std::round(form->ScaleHeight());
  ASSERT_LT(h - 1575, 0) << "the list's height would be negative";
  EXPECT_DOUBLE_EQ(form->List1.Height(), before.listHeight) << "so it keeps its old height";
  if (h - 1215 < 0) {
    EXPECT_DOUBLE_EQ(form->Bar.Height(), before.barHeight);
  } else {
    EXPECT_DOUBLE_EQ(form->Bar.Height(), h - 1215);
  }
  EXPECT_DOUBLE_EQ(form->Frame1.Top(), h - 1095) << "later steps still ran";
  EXPECT_DOUBLE_EQ(form->Text1.Left(), std::round(form->ScaleWidth()) - 735);
}

// The list trims its height to whole rows and the search box keeps its drop-down room out of
// its rectangle: neither lies where the layout asked, and neither may be moved again for it.
TEST_F(Layout, ALayoutThatChangesNothingMovesNoControl) {
  const HWND f = form->Handle();
  EXPECT_EQ(MovesDuring(f, [&] { form->Form_Resize(); }), 0) << "as loaded";
  ResizeClient(f, 9000, 6400);
  EXPECT_EQ(MovesDuring(f, [&] { form->Form_Resize(); }), 0) << "after a resize";
  Drag(ui::XToPixels(3500));
  EXPECT_EQ(MovesDuring(f, [&] { form->Form_Resize(); }), 0) << "after a drag of the bar";
  // What did change reached the windows.
  const RECT list = OnForm(form->List1, f);
  EXPECT_GT(list.bottom, ui::YToPixels(480 + 4200)) << "the list grew with the window";
  EXPECT_LE(list.bottom, ui::YToPixels(480) + ui::YToPixels(form->List1.Height()));
  EXPECT_EQ(OnForm(form->Combo1, f).right, ui::XToPixels(120) + ui::XToPixels(form->Combo1.Width()));
  EXPECT_EQ(OnForm(form->Text2, f).right, ui::XToPixels(form->Text2.Left()) + ui::XToPixels(form->Text2.Width()));
}

// The list shows whole rows only: as many as fit in the height the layout gives it, counted
// from that height (not from whatever height the list had trimmed itself to before).
TEST_F(Layout, TheListFitsWholeRowsOfItsFontInTheHeightItIsGiven) {
  const auto expectWholeRows = [this](const char* when) {
    const RECT window = OnForm(form->List1, form->Handle());
    RECT client;
    GetClientRect(form->List1.Handle(), &client);
    const int frame = (window.bottom - window.top) - client.bottom;
    const int room = ui::YToPixels(form->List1.Height()) - frame;
    const int row = static_cast<int>(form->List1.Send(LB_GETITEMHEIGHT));
    EXPECT_EQ(client.bottom, room - room % row) << when;
  };
  expectWholeRows("as loaded");
  ResizeClient(form->Handle(), 9000, 6400);
  expectWholeRows("taller");
  ResizeClient(form->Handle(), 9000, 5000);
  expectWholeRows("shorter");
}

TEST_F(Layout, MinimisingChangesNothingAndRestoringLaysOutAgain) {
  ResizeClient(form->Handle(), 9000, 6000);
  const Geometry before = Read(*form);
  ShowWindow(form->Handle(), SW_MINIMIZE);
  Pump();
  EXPECT_EQ(Read(*form), before);
  ShowWindow(form->Handle(), SW_RESTORE);
  Pump();
  EXPECT_EQ(Read(*form), before);
}

TEST_F(Layout, OnlyAHeightChangePassesThePreviewSizeThroughWholePoints) {
  struct Row {
    double size, afterWidthOnly, afterHeight;
  };
  for (const Row& r : {Row{10.5, 10.5, 10}, Row{11.5, 11.5, 12}, Row{9, 9, 9}}) {
    ResizeClient(form->Handle(), 8175, 5775);
    form->Text2.SetFontSize(r.size);
    ResizeClient(form->Handle(), 9000, 5775);
    EXPECT_DOUBLE_EQ(form->Text2.FontSize(), r.afterWidthOnly) << r.size << ": width-only resize";
    ResizeClient(form->Handle(), 9000, 6500);
    EXPECT_DOUBLE_EQ(form->Text2.FontSize(), r.afterHeight) << r.size << ": height changed";
  }
  form->Text1.SetText(L"10.5");
  int enter = 13;
  form->Text1_KeyPress(enter);
  EXPECT_DOUBLE_EQ(form->Text2.FontSize(), 10.5) << "Enter in the size box restores the exact size";
}

TEST_F(Layout, TheProgressBarStretchesAfterAGatherOnly) {
  ResizeClient(form->Handle(), 9000, 6000);
  EXPECT_DOUBLE_EQ(form->pBar.Width(), 15) << "before any gather";
  Gather(*form);
  ResizeClient(form->Handle(), 10000, 6000);
  EXPECT_DOUBLE_EQ(form->pBar.Width(), form->Picture2.ScaleWidth() - 30);
}

TEST_F(Layout, TheBarStopsAtBothLimitsAndTheOthersFollowOnRelease) {
  const double w = std::round(form->ScaleWidth());
  Drag(2);  // far left
  EXPECT_DOUBLE_EQ(form->Bar.Left(), 270);
  EXPECT_DOUBLE_EQ(form->List1.Width(), 150);
  EXPECT_DOUBLE_EQ(form->Combo1.Width(), 150);
  EXPECT_DOUBLE_EQ(form->Text2.Left(), 330);
  EXPECT_DOUBLE_EQ(form->Text2.Width(), w - 330 - 165);
  RECT client;
  GetClientRect(form->Handle(), &client);
  Drag(client.right - 2);  // far right
  EXPECT_DOUBLE_EQ(form->Bar.Left(), w - 360);
  EXPECT_DOUBLE_EQ(form->Text2.Width(), 135);
  EXPECT_EQ(form->Bar.BackColor(), GetSysColor(COLOR_BTNFACE)) << "idle again";
}

TEST_F(Layout, WhileHeldOnlyTheBarMovesInTheShadowColour) {
  const double listWidth = form->List1.Width();
  Drag(100, /*release=*/false);
  EXPECT_EQ(form->Bar.BackColor(), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(GetCapture(), form->Bar.Handle()) << "the bar keeps the mouse while held";
  EXPECT_EQ(ui::XToPixels(form->Bar.Left()), 100) << "the bar's left edge is under the pointer";
  EXPECT_DOUBLE_EQ(form->List1.Width(), listWidth) << "the list follows only on release";
  Release();
  EXPECT_EQ(form->Bar.BackColor(), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_DOUBLE_EQ(form->List1.Width(), form->Bar.Left() - 120);
}

TEST_F(Layout, GrabbedNearItsRightEdgeTheBarJumpsUnderThePointer) {
  const double left = form->Bar.Left();
  const HWND bar = form->Bar.Handle();
  // Where the pointer is, in pixels of the window's client area.
  const auto pointer = [&] {
    POINT p;
    GetCursorPos(&p);
    ScreenToClient(form->Handle(), &p);
    return p.x;
  };
  Grab(2, 50);
  MouseTo(bar, 3, 50);
  EXPECT_GT(form->Bar.Left(), left) << "it moved";
  EXPECT_EQ(ui::XToPixels(form->Bar.Left()), pointer()) << "its left edge went where the pointer is";
  const double moved = form->Bar.Left();
  MouseTo(bar, 0, 55);
  MouseTo(bar, 0, 50);
  Release();
  EXPECT_DOUBLE_EQ(form->Bar.Left(), moved) << "and stays there while the pointer rests on it";
}

TEST_F(Layout, TakingTheMouseAwayEndsADragAsAReleaseWould) {
  const double listWidth = form->List1.Width();
  Drag(100, /*release=*/false);
  // Another window takes the mouse, as a message box or Alt+Tab would.
  HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  SetCapture(other);
  EXPECT_EQ(form->Bar.BackColor(), GetSysColor(COLOR_BTNFACE)) << "idle again";
  EXPECT_NE(form->List1.Width(), listWidth) << "the list followed, as on a release";
  EXPECT_DOUBLE_EQ(form->List1.Width(), form->Bar.Left() - 120);
  ReleaseCapture();
  DestroyWindow(other);
  const double barLeft = form->Bar.Left();
  MouseTo(form->Bar.Handle(), 1, 50);
  MouseTo(form->Handle(), 300, 100);
  EXPECT_DOUBLE_EQ(form->Bar.Left(), barLeft) << "the bar no longer follows the pointer";
}

TEST_F(Layout, AResizeEndsADragAndShrinkingNeverMovesTheBar) {
  Drag(ui::XToPixels(6000), /*release=*/false);
  ResizeClient(form->Handle(), 8175, 6000);
  EXPECT_EQ(form->Bar.BackColor(), GetSysColor(COLOR_BTNFACE)) << "the drag ended";
  const double barLeft = form->Bar.Left();
  MouseTo(form->Handle(), 300, 100);
  EXPECT_DOUBLE_EQ(form->Bar.Left(), barLeft) << "and the bar no longer follows the pointer";
  input::MouseButtons(MOUSEEVENTF_LEFTUP, &Pump);
  const double previewWidth = form->Text2.Width();
  ResizeClient(form->Handle(), 5000, 6000);  // narrower than the bar's place allows the preview
  EXPECT_DOUBLE_EQ(form->Bar.Left(), barLeft);
  EXPECT_DOUBLE_EQ(form->Text2.Width(), previewWidth) << "a negative width is not taken";
}

TEST_F(Layout, AWiderPanelLeavesNoTraceOfItsOldEdgeOrLabel) {
  RECT before;
  GetClientRect(form->Frame1.Handle(), &before);
  const RECT label = form->Label2.PixelRect();
  ResizeClient(form->Handle(), 12000, 6000);
  UpdateWindow(form->Handle());
  RedrawWindow(form->Frame1.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  HDC dc = GetDC(form->Frame1.Handle());
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(GetPixel(dc, before.right - 2, before.bottom / 2), face) << "the old right edge is gone";
  int ink = 0;
  for (int y = label.top; y < label.bottom; ++y)
    for (int x = label.left; x < label.right; ++x) ink += GetPixel(dc, x, y) != face;
  ReleaseDC(form->Frame1.Handle(), dc);
  EXPECT_EQ(ink, 0) << "nothing of the size label is left where it was";
}
