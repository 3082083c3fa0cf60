#pragma once
// The real main window in this process, loaded fresh for each test.
#include <gtest/gtest.h>

#include <memory>

#include "mainwnd/form1.h"
#include "support/fontinstall.h"
#include "support/input.h"

inline void Pump() { ui::Form::DoEvents(); }

inline bool Settle(const std::function<bool()>& cond, int timeoutMs = 5000) {
  return input::WaitUntil(cond, &Pump, timeoutMs);
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
