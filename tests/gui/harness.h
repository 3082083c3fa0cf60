#pragma once
// The real main window in this process, loaded fresh for each test.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "mainwnd/form1.h"
#include "support/fontinstall.h"
#include "support/input.h"

inline void Pump() { ui::Form::DoEvents(); }

inline bool Settle(const std::function<bool()>& cond, int timeoutMs = 5000) {
  return input::WaitUntil(cond, &Pump, timeoutMs);
}

// The top index a list box really takes when asked for `top`: it never scrolls past the
// page that shows its last entry.
inline int ReachableTopIndex(const ui::ListBox& list, int top) {
  RECT client;
  ::GetClientRect(list.Handle(), &client);
  const int rowHeight = static_cast<int>(::SendMessageA(list.Handle(), LB_GETITEMHEIGHT, 0, 0));
  const int rows = rowHeight > 0 ? client.bottom / rowHeight : 1;
  return std::max(0, std::min(top, list.Count() - rows));
}

class MainWindow : public testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<Form1>();
    form->Load();
    Pump();
  }
  void TearDown() override {
    form.reset();
    Pump();
  }

  HWND Focused() const { return ::GetFocus(); }

  std::unique_ptr<Form1> form;
};

// The same, with the tests' own fonts installed for the whole suite.
class MainWindowWithFonts : public MainWindow {
 protected:
  static void SetUpTestSuite() { fonts = new TestFonts(); }
  static void TearDownTestSuite() {
    delete fonts;
    fonts = nullptr;
  }
  static inline TestFonts* fonts = nullptr;
};
