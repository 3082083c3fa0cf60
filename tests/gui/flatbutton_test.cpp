// The flat buttons under the real mouse, and the about window they open.
#include "harness.h"

#include "about/form2.h"
#include "support/watcher.h"

namespace {

const COLORREF S = GetSysColor(COLOR_BTNSHADOW);
const COLORREF L = RGB(255, 255, 255);

// The look on screen: the top-left and top-right corner pixels.
std::pair<COLORREF, COLORREF> Look(HWND surface) {
  RedrawWindow(surface, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  RECT r;
  GetClientRect(surface, &r);
  HDC dc = GetDC(surface);
  const std::pair<COLORREF, COLORREF> look{GetPixel(dc, 0, 0), GetPixel(dc, r.right - 1, 0)};
  ReleaseDC(surface, dc);
  return look;
}
const std::pair<COLORREF, COLORREF> kNormal{S, L}, kDown{S, L}, kUp{L, S};

// The watcher thread moves without waiting: the test's thread is inside the modal loop.
void MoveTo(int screenX, int screenY) { input::MoveMouse({screenX, screenY}, nullptr); }
void Buttons(DWORD flags) { input::MouseButtons(flags); }

POINT CenterOf(HWND hwnd) {
  RECT r;
  GetWindowRect(hwnd, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

}  // namespace

class FlatButton : public MainWindow {
 protected:
  void SetUp() override {
    MainWindow::SetUp();
    ASSERT_TRUE(input::MakeForeground(form->Handle(), &Pump));
    MoveTo(5, 5);
    Settle([] { return false; }, 100);
  }
  // Moves the pointer and lets the window handle it.
  void Pointer(POINT at) {
    input::MoveMouse(at, &Pump);
    Settle([] { return false; }, 60);
  }
  void Press(DWORD flags) {
    Buttons(flags);
    Settle([] { return false; }, 80);
  }
  POINT Outside() const {
    const POINT c = CenterOf(form->Picture1.Handle());
    return {c.x - 200, c.y};
  }
  POINT OverLabel() const {
    RECT r = form->Label1.PixelRect();
    MapWindowPoints(form->Picture1.Handle(), HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
};

TEST_F(FlatButton, HoverRaisesPressSinksAndShiftsTheCaptionDragOutRestores) {
  const HWND surface = form->Picture1.Handle();
  Pointer(CenterOf(surface));
  EXPECT_EQ(Look(surface), kUp) << "hover";
  Press(MOUSEEVENTF_LEFTDOWN);
  EXPECT_EQ(Look(surface), kDown) << "pressed";
  EXPECT_DOUBLE_EQ(form->Label1.Left(), 135);
  EXPECT_DOUBLE_EQ(form->Label1.Top(), 90);
  Pointer(Outside());
  EXPECT_EQ(Look(surface), kNormal) << "dragged out";
  EXPECT_DOUBLE_EQ(form->Label1.Left(), 120);
  EXPECT_DOUBLE_EQ(form->Label1.Top(), 75);
  Pointer(CenterOf(surface));
  EXPECT_EQ(Look(surface), kDown) << "dragged back in with the button held";
  EXPECT_DOUBLE_EQ(form->Label1.Left(), 135);
  Pointer(Outside());
  Press(MOUSEEVENTF_LEFTUP);  // released outside: no click
  EXPECT_EQ(form->Picture1.Point(0, 0), S);
}

TEST_F(FlatButton, OtherButtonsNeverPressOrClick) {
  const HWND surface = form->Picture1.Handle();
  for (DWORD down : {DWORD(MOUSEEVENTF_RIGHTDOWN), DWORD(MOUSEEVENTF_MIDDLEDOWN)}) {
    Pointer(Outside());
    Press(down);
    Pointer(OverLabel());
    EXPECT_EQ(Look(surface), kUp) << "a move with another button held raises, never sinks";
    EXPECT_DOUBLE_EQ(form->Label1.Left(), 120);
    Press(down == MOUSEEVENTF_RIGHTDOWN ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_MIDDLEUP);
    EXPECT_EQ(GetWindow(form->Handle(), GW_ENABLEDPOPUP), nullptr);
    EXPECT_TRUE(IsWindowEnabled(form->Handle())) << "no about window";
  }
  // Left and right together: state 3.
  Pointer(CenterOf(surface));
  Press(MOUSEEVENTF_RIGHTDOWN);
  Press(MOUSEEVENTF_LEFTDOWN);
  EXPECT_DOUBLE_EQ(form->Label1.Left(), 120) << "the left press with the right one held is not 'left only'";
  EXPECT_EQ(Look(surface), kUp);
  Press(MOUSEEVENTF_LEFTUP);  // let go while the right one is still held: state 3, no click
  Press(MOUSEEVENTF_RIGHTUP);
  EXPECT_TRUE(IsWindowEnabled(form->Handle())) << "no about window";
}

TEST_F(FlatButton, AClickOnTheCaptionOpensTheAboutWindowModally) {
  bool mainDisabled = false, seen = false;
  WindowWatcher about("GlyphboxForm", "", [&](HWND box) {
    seen = true;
    mainDisabled = !IsWindowEnabled(form->Handle());
    // Click its OK button as a user would.
    HWND ok = nullptr;
    EnumChildWindows(box, [](HWND h, LPARAM p) -> BOOL {
      RECT r;
      GetClientRect(h, &r);
      if (r.right == 57 && r.bottom == 25) *reinterpret_cast<HWND*>(p) = h;
      return TRUE;
    }, reinterpret_cast<LPARAM>(&ok));
    if (!ok) return;
    Sleep(300);  // the watcher plays the user: a moment to look at the window
    const POINT c = CenterOf(ok);
    MoveTo(c.x, c.y);
    Sleep(100);
    Buttons(MOUSEEVENTF_LEFTDOWN);
    Sleep(50);
    Buttons(MOUSEEVENTF_LEFTUP);
  });
  Pointer(OverLabel());
  Press(MOUSEEVENTF_LEFTDOWN);
  Press(MOUSEEVENTF_LEFTUP);
  Settle([&] { return seen && IsWindowEnabled(form->Handle()); }, 8000);
  EXPECT_TRUE(seen) << "the about window opened";
  EXPECT_TRUE(mainDisabled) << "and the main window took no input meanwhile";
  EXPECT_TRUE(IsWindowEnabled(form->Handle())) << "enabled again once it closed";
  EXPECT_EQ(form->Picture1.Point(0, 0), S);
  EXPECT_DOUBLE_EQ(form->Label1.Left(), 120) << "normal look, caption at rest";
}

class AboutWindow : public MainWindow {
 protected:
  std::unique_ptr<Form2> Open() {
    auto about = std::make_unique<Form2>();
    about->Load(form->Handle());
    about->Show();
    return about;
  }
};

TEST_F(AboutWindow, TheAnimationRunsToItsEndAndReplaysOnASecondOpening) {
  for (int opening = 1; opening <= 2; ++opening) {
    auto about = Open();
    EXPECT_DOUBLE_EQ(about->Label2.Left(), -960) << "opening " << opening;
    EXPECT_DOUBLE_EQ(about->Picture1.Top(), -840) << "the icon starts above the window";
    ASSERT_TRUE(Settle([&] { return !about->Timer1.Enabled(); }, 5000)) << "opening " << opening;
    EXPECT_DOUBLE_EQ(about->Label2.Left(), 2100);
    EXPECT_DOUBLE_EQ(about->Label3.Left(), 3105);
    EXPECT_DOUBLE_EQ(about->Label4.Left(), 1005);
    EXPECT_DOUBLE_EQ(about->Picture1.Top(), 120);
    EXPECT_EQ(about->AnimationStep(), 3);
  }
}

TEST_F(AboutWindow, ShowsTheVersionResourcesTexts) {
  auto about = Open();
  EXPECT_EQ(about->Label2.Caption(), L"Glyphora");
  EXPECT_EQ(about->Label3.Caption(), L"Version.1.73");
  EXPECT_EQ(about->Label4.Caption(), L"Copyright (C) 2026 Glyphbox developers");
  EXPECT_EQ(about->Label1.Caption(), L"OK");
  RECT client;
  GetClientRect(about->Handle(), &client);
  EXPECT_EQ(client.right, 4695 / 15);
  EXPECT_EQ(client.bottom, 1335 / 15);
  EXPECT_NE(GetWindowLongPtrA(about->Handle(), GWL_STYLE) & WS_CAPTION, WS_CAPTION) << "no title bar";
  EXPECT_TRUE(GetWindowLongPtrA(about->Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW) << "no taskbar button";
}

TEST_F(AboutWindow, OkClosesItBeforeTheAnimationEnds) {
  auto about = Open();
  const HWND window = about->Handle();
  ASSERT_TRUE(input::MakeForeground(window, &Pump));
  const HWND ok = about->Picture2.Handle();
  input::MoveMouse(CenterOf(ok), &Pump);
  ASSERT_TRUE(Settle([&] {
    POINT at;
    GetCursorPos(&at);
    return WindowFromPoint(at) == ok;
  }, 2000));
  Buttons(MOUSEEVENTF_LEFTDOWN);
  ASSERT_TRUE(Settle([&] { return about->Label1.Left() == 330; }, 2000)) << "pressed: the caption shifted";
  EXPECT_TRUE(about->Timer1.Enabled()) << "the animation is still running";
  Buttons(MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(Settle([&] { return !IsWindow(window); }, 3000));
}
