// The main window's flat about button: a click opens the about window.
#include "about/form2.h"
#include "mainwnd/form1.h"

void Form1::Picture1_MouseDown(int Button, int, double, double) { aboutButton_.MouseDown(Button); }

void Form1::Picture1_MouseMove(int Button, int, double, double) {
  aboutButton_.MouseMove(Button);
  Tips().Follow(Label1);
}

void Form1::Picture1_MouseUp(int Button, int, double, double) {
  if (aboutButton_.MouseUp(Button)) {
    aboutButton_.Rest();
    const auto about = ui::Owned<Form2>::Make();
    about->Load(Handle());
    about->ShowModal();
  }
  // The next move tells whether the pointer is still over the button.
  aboutButton_.Track();
}

void Form1::Picture1_LostCapture() { aboutButton_.LostCapture(); }

void Form1::Label1_MouseDown(int Button, int Shift, double X, double Y) { Picture1_MouseDown(Button, Shift, X, Y); }
void Form1::Label1_MouseMove(int Button, int Shift, double X, double Y) { Picture1_MouseMove(Button, Shift, X, Y); }
void Form1::Label1_MouseUp(int Button, int Shift, double X, double Y) { Picture1_MouseUp(Button, Shift, X, Y); }
