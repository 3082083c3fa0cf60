#include "mainwnd/form1.h"

#include "flatbutton/flatbutton.h"
#include "mainwnd/appmessage.h"
#include "mainwnd/sampletext.h"
#include "mainwnd/setwindowsize.h"
#include "res/resource.h"
#include "ui/twips.h"

namespace {
constexpr double kClientWidth = 8175;
constexpr double kClientHeight = 5775;
}  // namespace

void Form1::Load() {
  CreateControls();
  WireEvents();
  Fire(ui::Event::Load);
  // Not needed before the window shows: tips wait for the pointer to rest on a control, and
  // nothing can be dropped on a window not yet seen.
  AddTooltips();
  text2Drops.Register(Text2.Handle());
  ShowLacking();
}

bool Form1::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  // OLE holds the preview's drop target until it is revoked, which only works while the
  // window still exists.
  if (msg == WM_DESTROY) text2Drops.Revoke();
  // Fonts came or went: what was read of their maps may no longer hold.
  if (msg == WM_FONTCHANGE) narrowing.Forget();
  return ui::Form::OnMessage(msg, wp, lp, result);
}

void Form1::CreateControls() {
  CreateForm(mainwnd::kAppTitle, kClientWidth, kClientHeight, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN);
  SetIcon(::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_GLYPHBOX)));
  const HWND form = Handle();

  Combo1.Create(form, {120, 120, 2415, 300});
  List1.Create(form, {120, 480, 2415, 4200});
  Bar.Create(form, {2535, 120, 45, 4545});
  Bar.SetBackColor(::GetSysColor(COLOR_BTNFACE));
  Bar.SetCursor(::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_SIZEWE)));
  Text2.Create(form, {2595, 120, 5460, 4560}, ui::TextBox::Kind::MultiLine, /*unicode=*/true);
  Text2.SetMaxLength(0);  // no limit: a dropped file's 32,801 bytes fit whole

  Frame1.Create(form, {0, 4680, 8175, 1095}, ui::Panel::Look::Frame);
  const HWND frame = Frame1.Handle();
  Command1.Create(frame, {120, 210, 2430, 330}, L"かき集める");
  Picture2.Create(frame, {120, 660, 6375, 255});
  // Left of the strip's visible part until the first gather.
  pBar.Create(Picture2.Handle(), {-15, 15, 15, 165});
  pBar.SetBackColor(RGB(0, 0, 128));
  Label3.Create(Picture2, {60, 30, 6255, 195}, L"");
  Check1.Create(frame, {2640, 270, 735, 225}, L"&Bold");
  Check2.Create(frame, {3375, 270, 735, 225}, L"&Itaric");
  Check3.Create(frame, {4110, 270, 1095, 225}, L"S&trikethru");
  Check4.Create(frame, {5205, 270, 1095, 225}, L"&Underline");
  Label2.Create(Frame1, {6660, 285, 720, 180}, L"Font &Size");
  Text1.Create(frame, {7440, 255, 615, 270}, ui::TextBox::Kind::SingleLine);
  Text1.SetMaxLength(5);
  Text1.DisableInputMethod();
  Picture1.Create(frame, {6600, 630, 1455, 345});
  Label1.Create(Picture1, {120, 75, 1185, 180}, L"バージョン情報", ui::Label::Align::Center);

  m_List.Create(L" ");
  m_List.Append(m_List_Copy, 0, L"フォント名をコピー(&C)");
  m_List.Append(m_List_Copy, 1, L"ファイル名をコピー(&F)");
  m_List.AppendSeparator();  // item 2 of the copy command: chooses nothing
  m_List.Append(m_List_Remove, 0, L"削除(&D)");
  m_List.AppendSeparator();
  m_List.Append(m_List_Narrow, 0, L"プレビューの文字をすべて持つフォントだけ(&V)");
  Timer1.Create(form, 500);

  SetTabOrder({{&Command1}, {&List1}, {&Text2}, {&Check1}, {&Check2}, {&Check3}, {&Check4}, {nullptr, &Label2},
               {&Text1}, {nullptr, &Label1}, {&Combo1}});
}

void Form1::AddTooltips() {
  ui::Tooltip& tips = Tips();
  tips.Create(Handle());
  tips.Add(Combo1.Handle(), L"検索\r\nしたい文字を入力してEnter");
  // Most of a drop-down combo is its edit field, which needs the tip as well.
  if (HWND edit = Combo1.EditHandle()) tips.Add(edit, L"検索\r\nしたい文字を入力してEnter");
  tips.Add(List1.Handle(), L"ダブルクリックでフォント名のコピーができます");
  tips.Add(Command1.Handle(), L"すべてのフォントを列挙します");
  tips.Add(Check1.Handle(), L"太字にします");
  tips.Add(Check2.Handle(), L"斜体にします");
  tips.Add(Check3.Handle(), L"取り消し線を表示します");
  tips.Add(Check4.Handle(), L"下線を表示します");
  tips.Add(Label2, L"フォントサイズ(1～460)");
  tips.Add(Text1.Handle(), L"フォントサイズ(1～460)");
  tips.Add(Label1, L"バージョン情報を表示します");
}

void Form1::WireEvents() {
  using enum ui::Event;
  ui::Connect<Form1>(*this, {
                                {*this, ui::on<Load>, &Form1::Form_Load},
                                {*this, ui::on<Resize>, &Form1::Form_Resize},
                                {*this, ui::on<Unload>, &Form1::Form_Unload},
                                {Command1, ui::on<Click>, &Form1::Command1_Click},
                                {List1, ui::on<Click>, &Form1::List1_Click},
                                {Combo1, ui::on<KeyDown>, &Form1::Combo1_KeyDown},
                                {Check1, ui::on<Click>, &Form1::Check1_Click},
                                {Check2, ui::on<Click>, &Form1::Check2_Click},
                                {Check3, ui::on<Click>, &Form1::Check3_Click},
                                {Check4, ui::on<Click>, &Form1::Check4_Click},
                                {Text1, ui::on<KeyPress>, &Form1::Text1_KeyPress},
                                {List1, ui::on<MouseDown>, &Form1::List1_MouseDown},
                                {List1, ui::on<DblClick>, &Form1::List1_DblClick},
                                {List1, ui::on<KeyDown>, &Form1::List1_KeyDown},
                                {m_List_Copy, ui::on<Click>, &Form1::m_List_Copy_Click},
                                {m_List_Remove, ui::on<Click>, &Form1::m_List_Remove_Click},
                                {m_List_Narrow, ui::on<Click>, &Form1::m_List_Narrow_Click},
                                {Timer1, ui::on<Timer>, &Form1::Timer1_Timer},
                                {Text2, ui::on<OLEDragDrop>, &Form1::Text2_OLEDragDrop},
                                {Text2, ui::on<Change>, &Form1::Text2_Change},
                                {Picture1, ui::on<MouseDown>, &Form1::Picture1_MouseDown},
                                {Picture1, ui::on<MouseMove>, &Form1::Picture1_MouseMove},
                                {Picture1, ui::on<MouseUp>, &Form1::Picture1_MouseUp},
                                {Picture1, ui::on<LostCapture>, &Form1::Picture1_LostCapture},
                                {Label1, ui::on<MouseDown>, &Form1::Label1_MouseDown},
                                {Label1, ui::on<MouseMove>, &Form1::Label1_MouseMove},
                                {Label1, ui::on<MouseUp>, &Form1::Label1_MouseUp},
                                {Bar, ui::on<MouseDown>, &Form1::Bar_MouseDown},
                                {Bar, ui::on<MouseMove>, &Form1::Bar_MouseMove},
                                {Bar, ui::on<MouseUp>, &Form1::Bar_MouseUp},
                                {Bar, ui::on<LostCapture>, &Form1::Bar_LostCapture},
                            });
}

void Form1::Form_Load() {
  Text2.SetFontSize(9);
  Text2.SetText(mainwnd::kSampleText);
  Cmmdl_Flatbutton::FlatNormal(Picture1);
  // Laid out while still hidden, the window appears whole: the layout that the platform runs
  // as it first shows the window then finds every control in place and moves none of them.
  Form_Resize();
  CenterOn(nullptr);
  Show();
  mdl_SetWindowSize::lPrevWndProc = ::SetWindowLongPtrA(
      Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&mdl_SetWindowSize::WindowProc));
  hooked_ = true;
}

void Form1::Form_Unload() {
  if (!hooked_) return;
  ::SetWindowLongPtrA(Handle(), GWLP_WNDPROC, mdl_SetWindowSize::lPrevWndProc);
  hooked_ = false;
}

void Form1::Command1_Click() { EnumFont0(0); }
