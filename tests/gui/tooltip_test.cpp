// Tooltips as the user meets them: hover over a control and read the tip that appears.
#include "harness.h"

#include <commctrl.h>

class Tooltips : public ForegroundWindow {
 protected:
  // Hovers over the window and returns the height of the tip that shows, or 0.
  int TipHeightOver(HWND hwnd, const RECT* part = nullptr) {
    HWND tips = form->Tips().Handle();
    SendMessageA(tips, TTM_POP, 0, 0);
    // Leave the previous tool first, over the preview, which has none.
    input::MoveMouse(input::MiddleOf(form->Text2.Handle()), &Pump);
    const POINT at = input::MiddleOf(hwnd, part);
    const bool shown = Settle([&] {
      input::KeepMouseAt(at, &Pump);
      return IsWindowVisible(tips) != FALSE;
    }, 4000);
    if (!shown) return 0;
    RECT r;
    GetWindowRect(tips, &r);
    return r.bottom - r.top;
  }
};

TEST_F(Tooltips, TheSearchBoxTipShowsOnTwoLines) {
  const int oneLine = TipHeightOver(form->Command1.Handle());
  const int search = TipHeightOver(form->Combo1.EditHandle());
  ASSERT_GT(oneLine, 0) << "a tip shows over the gather button";
  ASSERT_GT(search, 0) << "a tip shows over the search box";
  EXPECT_GT(search, oneLine * 3 / 2) << "one line: " << oneLine << " px, search tip: " << search << " px";
}

TEST_F(Tooltips, TheWindowlessCaptionsHaveTheirTips) {
  HWND tips = form->Tips().Handle();
  struct Row {
    const char* name;
    ui::Label* label;
  };
  for (const Row& r : {Row{"Label1", &form->Label1}, Row{"Label2", &form->Label2}}) {
    const RECT where = r.label->PixelRect();
    ASSERT_GT(TipHeightOver(r.label->Container()->Handle(), &where), 0) << r.name;
    TTTOOLINFOA ti{};
    ti.cbSize = sizeof ti;
    ASSERT_TRUE(SendMessageA(tips, TTM_GETCURRENTTOOLA, 0, reinterpret_cast<LPARAM>(&ti))) << r.name;
    EXPECT_EQ(ti.uId, reinterpret_cast<UINT_PTR>(r.label)) << r.name;
  }
}
