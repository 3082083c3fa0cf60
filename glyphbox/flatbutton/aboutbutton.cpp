// The main window's flat about button: hover, press, and a click that opens the about window.
#include "about/form2.h"
#include "flatbutton/flatbutton.h"
#include "mainwnd/form1.h"

namespace {
constexpr double kRestLeft = 120, kRestTop = 75;  // "バージョン情報" on its button
}

void Form1::PressLabel1(bool pressed) {
  const double shift = pressed ? 15 : 0;
  Label1.Move(kRestLeft + shift, kRestTop + shift, Label1.Width(), Label1.Height());
  Tips().Follow(Label1);
}

void Form1::Picture1_MouseDown(int Button, int, double, double) {
  if (Button == 1) {
    Cmmdl_Flatbutton::FlatDown(Picture1);
    PressLabel1(true);
  }
  ::SetCapture(Picture1.Handle());
  flatTracking_ = 255;
}

void Form1::Picture1_MouseMove(int Button, int, double, double) {
  if (flatTracking_) {
    ::GetCursorPos(&flatCursor_);
    if (::WindowFromPoint(flatCursor_) != Picture1.Handle()) {
      ::ReleaseCapture();
      flatTracking_ = 0;
      Cmmdl_Flatbutton::FlatNormal(Picture1);
      PressLabel1(false);
    }
    return;
  }
  if (Button == 1) {
    Cmmdl_Flatbutton::FlatDown(Picture1);
    PressLabel1(true);
  } else {
    Cmmdl_Flatbutton::FlatUp(Picture1);
  }
  ::SetCapture(Picture1.Handle());
  flatTracking_ = 255;
}

void Form1::Picture1_MouseUp(int Button, int, double, double) {
  ::GetCursorPos(&flatCursor_);
  if (::WindowFromPoint(flatCursor_) == Picture1.Handle() && Button == 1) {
    Cmmdl_Flatbutton::FlatNormal(Picture1);
    PressLabel1(false);
    Form2 about;
    about.Load(Handle());
    about.ShowModal();
  }
  // The next move tells whether the pointer is still over the button.
  ::SetCapture(Picture1.Handle());
  flatTracking_ = 255;
}

void Form1::Label1_MouseDown(int Button, int Shift, double X, double Y) { Picture1_MouseDown(Button, Shift, X, Y); }
void Form1::Label1_MouseMove(int Button, int Shift, double X, double Y) { Picture1_MouseMove(Button, Shift, X, Y); }
void Form1::Label1_MouseUp(int Button, int Shift, double X, double Y) { Picture1_MouseUp(Button, Shift, X, Y); }
