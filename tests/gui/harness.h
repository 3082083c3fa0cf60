#pragma once
// The real main window in this process, loaded fresh for each test.
#include <gtest/gtest.h>

#include <memory>

#include "mainwnd/form1.h"
#include "support/fontinstall.h"
#include "support/input.h"
#include "support/mainwindow.h"

class MainWindow : public testing::Test {
 protected:
  void SetUp() override {
    form = ui::Owned<Form1>::Make();
    form->Load();
    Pump();
  }
  void TearDown() override {
    form.reset();
    Pump();
  }

  ui::Owned<Form1> form;
};

// The same, at the front: it takes the keyboard and the mouse.
class ForegroundWindow : public MainWindow {
 protected:
  void SetUp() override {
    MainWindow::SetUp();
    ASSERT_TRUE(input::MakeForeground(form->Handle(), &Pump)) << "the test window must get the keyboard";
  }
};

// The tests' own fonts, installed for the whole suite.
template <class Base>
class WithFonts : public Base {
 protected:
  static void SetUpTestSuite() { fonts = new TestFonts(); }
  static void TearDownTestSuite() {
    delete fonts;
    fonts = nullptr;
  }
  static inline TestFonts* fonts = nullptr;
};
using MainWindowWithFonts = WithFonts<MainWindow>;
