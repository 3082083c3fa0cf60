// The flat buttons under the real mouse, and the about window they open.
#include "harness.h"

#include "about/form2.h"
#include "support/watcher.h"

class FlatButton : public ForegroundWindow {
 protected:
  void SetUp() override {
    ForegroundWindow::SetUp();
    Pointer(Outside());
  }
  // Moves the pointer; the window handles the move.
  void Pointer(POINT at) {
    at_ = at;
    input::MoveMouse(at, &Pump);
    Pump();
  }
  void Press(DWORD flags) { input::MouseButtons(flags, &Pump); }
  // Waits until the about button shows the look, the pointer kept where it was put.
  bool Shows(const ButtonLook& look) {
    return Settle([&] {
      input::KeepMouseAt(at_, &Pump);
      return LookOf(form->Picture1.Handle()) == look;
    }, 2000);
  }
  bool NoAboutWindow() const {
    return GetWindow(form->Handle(), GW_ENABLEDPOPUP) == nullptr && IsWindowEnabled(form->Handle());
  }
  POINT Outside() const {
    const POINT c = input::MiddleOf(form->Picture1.Handle());
    return {c.x - 200, c.y};
  }
  POINT OverLabel() const {
    const RECT r = form->Label1.PixelRect();
    return input::MiddleOf(form->Picture1.Handle(), &r);
  }

  POINT at_{};
};

TEST_F(FlatButton, HoverRaisesPressSinksAndShiftsTheCaptionDragOutRestores) {
  const HWND surface = form->Picture1.Handle();
  Pointer(input::MiddleOf(surface));
  EXPECT_TRUE(Shows(kUpLook)) << "hover";
  Press(MOUSEEVENTF_LEFTDOWN);
  EXPECT_TRUE(Shows(kDownLook)) << "pressed";
  EXPECT_DOUBLE_EQ(form->Label1.Left(), 135);
  EXPECT_DOUBLE_EQ(form->Label1.Top(), 90);
  Pointer(Outside());
  EXPECT_TRUE(Shows(kNormalLook)) << "dragged out";
  EXPECT_DOUBLE_EQ(form->Label1.Left(), 120);
  EXPECT_DOUBLE_EQ(form->Label1.Top(), 75);
  Pointer(input::MiddleOf(surface));
  EXPECT_TRUE(Shows(kDownLook)) << "dragged back in with the button held";
  EXPECT_DOUBLE_EQ(form->Label1.Left(), 135);
  Pointer(Outside());
  EXPECT_TRUE(Shows(kNormalLook));
  Press(MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(NoAboutWindow()) << "released outside: no click";
  EXPECT_EQ(LookOf(surface), kNormalLook);
}

TEST_F(FlatButton, OtherButtonsNeverPressOrClick) {
  const HWND surface = form->Picture1.Handle();
  for (DWORD down : {DWORD(MOUSEEVENTF_RIGHTDOWN), DWORD(MOUSEEVENTF_MIDDLEDOWN)}) {
    Pointer(Outside());
    Press(down);
    Pointer(OverLabel());
    EXPECT_TRUE(Shows(kUpLook)) << "a move with another button held raises, never sinks";
    EXPECT_DOUBLE_EQ(form->Label1.Left(), 120);
    Press(down == MOUSEEVENTF_RIGHTDOWN ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_MIDDLEUP);
    EXPECT_TRUE(NoAboutWindow());
  }
  // Left and right together: state 3.
  Pointer(input::MiddleOf(surface));
  Press(MOUSEEVENTF_RIGHTDOWN);
  Press(MOUSEEVENTF_LEFTDOWN);
  EXPECT_DOUBLE_EQ(form->Label1.Left(), 120) << "the left press with the right one held is not 'left only'";
  EXPECT_EQ(LookOf(surface), kUpLook);
  Press(MOUSEEVENTF_LEFTUP);  // let go while the right one is still held: state 3, no click
  Press(MOUSEEVENTF_RIGHTUP);
  EXPECT_TRUE(NoAboutWindow());
}

TEST_F(FlatButton, AClickOnTheCaptionOpensTheAboutWindowModally) {
  bool mainDisabled = false, seen = false;
  WindowWatcher about("GlyphboxForm", "", [&](HWND box) {
    seen = true;
    mainDisabled = !IsWindowEnabled(form->Handle());
    // Its OK button, clicked as a user would.
    if (const HWND ok = input::PanelOfSize(box, ui::XToPixels(855), ui::YToPixels(375))) input::ClickFlatButton(ok, nullptr);
  });
  Pointer(OverLabel());
  Press(MOUSEEVENTF_LEFTDOWN);
  Press(MOUSEEVENTF_LEFTUP);
  ASSERT_TRUE(Settle([&] { return seen && IsWindowEnabled(form->Handle()); }, 8000)) << "the about window opened and closed";
  EXPECT_TRUE(mainDisabled) << "and the main window took no input meanwhile";
  EXPECT_TRUE(IsWindowEnabled(form->Handle())) << "enabled again once it closed";
  EXPECT_EQ(LookOf(form->Picture1.Handle()), kNormalLook);
  EXPECT_DOUBLE_EQ(form->Label1.Left(), 120) << "normal look, caption at rest";
}

TEST_F(FlatButton, TakingTheMouseAwayMidPressLeavesTheButtonAtRest) {
  const HWND surface = form->Picture1.Handle();
  Pointer(input::MiddleOf(surface));
  Press(MOUSEEVENTF_LEFTDOWN);
  ASSERT_TRUE(Shows(kDownLook));
  // Another window takes the mouse, as a message box or Alt+Tab would; the release lands there.
  HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  SetCapture(other);
  EXPECT_EQ(LookOf(surface), kNormalLook);
  EXPECT_DOUBLE_EQ(form->Label1.Left(), 120) << "caption at rest";
  Press(MOUSEEVENTF_LEFTUP);
  ReleaseCapture();
  DestroyWindow(other);
  EXPECT_TRUE(NoAboutWindow());
  Pointer(Outside());
  Pointer(input::MiddleOf(surface));
  EXPECT_TRUE(Shows(kUpLook)) << "and hovers again like any button";
}

class AboutWindow : public MainWindow {
 protected:
  ui::Owned<Form2> Open() {
    auto about = ui::Owned<Form2>::Make();
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
  EXPECT_EQ(client.right, ui::XToPixels(4695));
  EXPECT_EQ(client.bottom, ui::YToPixels(1335));
  EXPECT_NE(GetWindowLongPtrA(about->Handle(), GWL_STYLE) & WS_CAPTION, WS_CAPTION) << "no title bar";
  EXPECT_TRUE(GetWindowLongPtrA(about->Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW) << "no taskbar button";
}

TEST_F(AboutWindow, TheGreySeparatorLineLiesDirectlyAboveTheWhiteOne) {
  auto about = Open();
  const HWND canvas = GetWindow(about->Handle(), GW_CHILD);
  const int x = ui::XToPixels(2000), white = ui::YToPixels(720);
  EXPECT_EQ(ScreenPixel(canvas, x, white), RGB(255, 255, 255));
  EXPECT_EQ(ScreenPixel(canvas, x, white - 1), RGB(128, 128, 128));
  EXPECT_EQ(ScreenPixel(canvas, x, white - 2), GetSysColor(COLOR_BTNFACE)) << "one grey row only";
  EXPECT_EQ(ScreenPixel(canvas, x, white + 1), GetSysColor(COLOR_BTNFACE));
}

TEST_F(AboutWindow, OkClosesItBeforeTheAnimationEnds) {
  auto about = Open();
  const HWND window = about->Handle();
  ASSERT_TRUE(input::MakeForeground(window, &Pump));
  const HWND ok = about->Picture2.Handle();
  input::MoveMouse(input::MiddleOf(ok), &Pump);
  ASSERT_TRUE(Settle([&] {
    POINT at;
    GetCursorPos(&at);
    return WindowFromPoint(at) == ok;
  }, 2000));
  input::MouseButtons(MOUSEEVENTF_LEFTDOWN, &Pump);
  ASSERT_TRUE(Settle([&] { return about->Label1.Left() == 330; }, 2000)) << "pressed: the caption shifted";
  EXPECT_TRUE(about->Timer1.Enabled()) << "the animation is still running";
  input::MouseButtons(MOUSEEVENTF_LEFTUP, &Pump);
  EXPECT_TRUE(Settle([&] { return !IsWindow(window); }, 3000));
}
