#include "about/form2.h"

#include "about/versioninfo.h"
#include "flatbutton/flatbutton.h"

void Form2::Load(HWND mainWindow) {
  mainWindow_ = mainWindow;
  CreateControls();
  WireEvents();
  Fire(ui::Event::Load);
}

void Form2::CreateControls() {
  // No caption, a thin fixed frame, no taskbar button.
  CreateForm(L"", 4695, 1335, WS_POPUP | WS_DLGFRAME, WS_EX_TOOLWINDOW);
  canvas_.Create(Handle(), {0, 0, 4695, 1335});
  const HWND canvas = canvas_.Handle();
  Picture2.Create(canvas, {3600, 840, 855, 375});
  Label1.Create(Picture2, {315, 90, 225, 180}, L"OK", ui::Label::Align::Center);
  Timer1.Create(Handle(), 3);
  Picture1.Create(canvas, {240, -840, 540, 540}, ui::Panel::Look::Sunken);
  Label3.Create(canvas_, {6000, 120, 60, 180}, L"");
  canvas_.AddLine(120, 720, 4560, 720, RGB(255, 255, 255));
  Label4.Create(canvas_, {-3500, 405, 60, 180}, L"");
  // The grey half of the separator lies directly above the white one: one pixel (705 twips
  // at 100 %), whatever the scaling rounds 705 to.
  canvas_.AddLine(120, 720 - ui::YToTwips(1), 4560, 720 - ui::YToTwips(1), RGB(128, 128, 128));
  Label2.Create(canvas_, {-960, 120, 930, 180}, L"Glyphora");
  Label2.FitText();
  CenterOn(mainWindow_);
}

void Form2::WireEvents() {
  using enum ui::Event;
  ui::Connect<Form2>(*this, {
                                {*this, ui::on<Load>, &Form2::Form_Load},
                                {Timer1, ui::on<Timer>, &Form2::Timer1_Timer},
                                {Picture2, ui::on<MouseDown>, &Form2::Picture2_MouseDown},
                                {Picture2, ui::on<MouseMove>, &Form2::Picture2_MouseMove},
                                {Picture2, ui::on<MouseUp>, &Form2::Picture2_MouseUp},
                                {Picture2, ui::on<LostCapture>, &Form2::Picture2_LostCapture},
                                {Label1, ui::on<MouseDown>, &Form2::Label1_MouseDown},
                                {Label1, ui::on<MouseMove>, &Form2::Label1_MouseMove},
                                {Label1, ui::on<MouseUp>, &Form2::Label1_MouseUp},
                            });
}

void Form2::Form_Load() {
  ::MessageBeep(MB_OK);
  animation_ = about::Animation{};
  Picture1.SetPicture(reinterpret_cast<HICON>(::SendMessageA(mainWindow_, WM_GETICON, ICON_BIG, 0)));
  const about::VersionInfo version = about::ReadVersionInfo();
  Label3.SetCaption(about::VersionText(version.major, version.minor, version.revision));
  Label3.FitText();
  Label4.SetCaption(version.copyright);
  Label4.FitText();
  Timer1.SetEnabled(true);
  Cmmdl_Flatbutton::FlatNormal(Picture2);
}

void Form2::Timer1_Timer() {
  // The controls hold the positions; the animation decides where they go next.
  animation_.label2Left = Label2.Left();
  animation_.label3Left = Label3.Left();
  animation_.label4Left = Label4.Left();
  animation_.picture1Top = Picture1.Top();
  about::Tick(animation_);
  Label2.Move(animation_.label2Left, Label2.Top(), Label2.Width(), Label2.Height());
  Label3.Move(animation_.label3Left, Label3.Top(), Label3.Width(), Label3.Height());
  Label4.Move(animation_.label4Left, Label4.Top(), Label4.Width(), Label4.Height());
  Picture1.SetTop(animation_.picture1Top);
  if (!animation_.timerOn) Timer1.SetEnabled(false);
}

void Form2::Picture2_MouseDown(int Button, int, double, double) { okButton_.MouseDown(Button); }

void Form2::Picture2_MouseMove(int Button, int, double, double) { okButton_.MouseMove(Button); }

void Form2::Picture2_MouseUp(int Button, int, double, double) {
  if (okButton_.MouseUp(Button)) {
    okButton_.Stop();
    Destroy();
    return;
  }
  okButton_.Track();
}

void Form2::Picture2_LostCapture() { okButton_.LostCapture(); }

void Form2::Label1_MouseDown(int Button, int Shift, double X, double Y) { Picture2_MouseDown(Button, Shift, X, Y); }
void Form2::Label1_MouseMove(int Button, int Shift, double X, double Y) { Picture2_MouseMove(Button, Shift, X, Y); }
void Form2::Label1_MouseUp(int Button, int Shift, double X, double Y) { Picture2_MouseUp(Button, Shift, X, Y); }
