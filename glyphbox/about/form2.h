#pragma once
// The about window: the program's icon, name, version and copyright slide in; its flat
// "OK" button closes it.
#include "about/animation.h"
#include "flatbutton/tracker.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/panel.h"

class Form2 : public ui::Form {
 public:
  using Form::Form;

  // Creates the window over `mainWindow`, whose icon it shows, and runs Form_Load.
  void Load(HWND mainWindow);

  ui::PictureBox Picture2;
  ui::Label Label1;
  ui::Timer Timer1;
  ui::Panel Picture1;
  ui::Label Label3;
  ui::Label Label4;
  ui::Label Label2;

  int AnimationStep() const { return animation_.step; }

  void Form_Load();
  void Timer1_Timer();
  void Picture2_MouseDown(int Button, int Shift, double X, double Y);
  void Picture2_MouseMove(int Button, int Shift, double X, double Y);
  void Picture2_MouseUp(int Button, int Shift, double X, double Y);
  void Picture2_LostCapture();
  void Label1_MouseDown(int Button, int Shift, double X, double Y);
  void Label1_MouseMove(int Button, int Shift, double X, double Y);
  void Label1_MouseUp(int Button, int Shift, double X, double Y);

 private:
  void CreateControls();
  void WireEvents();

  HWND mainWindow_ = nullptr;
  // The client area: the labels are drawn on it and the separator lines lie on it.
  ui::Panel canvas_;
  about::Animation animation_;
  flatbutton::Tracker okButton_{Picture2, Label1, 315, 90};
};
