// Moving around the main window with Tab and the access keys.
#include "harness.h"

class Keyboard : public ForegroundWindow {
 protected:
  // Presses the key and waits for the focus to land in `want` (or a child of it).
  bool KeyMovesFocusTo(WORD vk, bool shift, bool alt, HWND want) {
    input::PressKey(vk, shift, alt);
    return Settle([&] { return GetFocus() == want || IsChild(want, GetFocus()); }, 3000);
  }
};

TEST_F(Keyboard, TabWalksTheControlsInTheirTabOrder) {
  form->Command1.Focus();
  ASSERT_EQ(GetFocus(), form->Command1.Handle());
  struct Step {
    const char* name;
    ui::Control* control;
  };
  const Step order[] = {{"List1", &form->List1},   {"Text2", &form->Text2},   {"Check1", &form->Check1},
                        {"Check2", &form->Check2}, {"Check3", &form->Check3}, {"Check4", &form->Check4},
                        {"Text1", &form->Text1},   {"Combo1", &form->Combo1}, {"Command1", &form->Command1}};
  for (const Step& s : order) EXPECT_TRUE(KeyMovesFocusTo(VK_TAB, false, false, s.control->Handle())) << s.name;
}

TEST_F(Keyboard, ShiftTabWalksBackwards) {
  form->Check1.Focus();
  EXPECT_TRUE(KeyMovesFocusTo(VK_TAB, true, false, form->Text2.Handle()));
  EXPECT_TRUE(KeyMovesFocusTo(VK_TAB, true, false, form->List1.Handle()));
  EXPECT_TRUE(KeyMovesFocusTo(VK_TAB, true, false, form->Command1.Handle()));
  EXPECT_TRUE(KeyMovesFocusTo(VK_TAB, true, false, form->Combo1.Handle())) << "wraps to the last";
}

TEST_F(Keyboard, TabInThePreviewMovesOnInsteadOfTyping) {
  form->Text2.Focus();
  const std::wstring before = form->Text2.Text();
  EXPECT_TRUE(KeyMovesFocusTo(VK_TAB, false, false, form->Check1.Handle()));
  EXPECT_EQ(form->Text2.Text(), before);
}

TEST_F(Keyboard, AltSMovesToTheSizeBox) {
  form->List1.Focus();
  EXPECT_TRUE(KeyMovesFocusTo('S', false, true, form->Text1.Handle()));
}

TEST_F(Keyboard, AccessKeysOfTheSwitchesFocusAndTickThem) {
  struct Row {
    WORD key;
    ui::CheckBox* box;
  };
  for (const Row& r : {Row{'B', &form->Check1}, Row{'I', &form->Check2}, Row{'T', &form->Check3},
                       Row{'U', &form->Check4}}) {
    EXPECT_TRUE(KeyMovesFocusTo(r.key, false, true, r.box->Handle())) << char(r.key);
    EXPECT_TRUE(Settle([&] { return r.box->Checked(); }, 1000)) << char(r.key);
  }
}

TEST_F(Keyboard, HiddenOrDisabledControlsAreSkipped) {
  form->Command1.Focus();
  form->List1.SetVisible(false);
  EXPECT_TRUE(KeyMovesFocusTo(VK_TAB, false, false, form->Text2.Handle()));
  form->Check1.SetEnabled(false);
  EXPECT_TRUE(KeyMovesFocusTo(VK_TAB, false, false, form->Check2.Handle()));
}

TEST_F(Keyboard, ACharacterAHandlerReplacesIsTypedInItsNewForm) {
  // After the size box's own handler: every "5" typed becomes "7".
  form->Text1.On(ui::Event::KeyPress, [](ui::EventArgs& a) {
    if (a.key == '5') a.key = '7';
  });
  form->Text1.Focus();
  input::PressKeyAndWait('5', &Pump);
  input::PressKeyAndWait('1', &Pump);
  EXPECT_EQ(form->Text1.Text(), L"71");
}
