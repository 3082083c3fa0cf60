#pragma once
// The main window "Glyphora": the search box and font list on the left, the splitter, the
// preview on the right, and the bottom panel with the gather button, the progress strip,
// the style switches, the size box and the about button.
#include <string>

#include "flatbutton/tracker.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/menu.h"
#include "ui/panel.h"

class Form1 : public ui::Form {
 public:
  ~Form1() override;

  // Creates the window and its controls, then runs Form_Load.
  void Load();
  // Ends the message loop when this window goes (the program's main window).
  void SetQuitOnDestroy(bool quit) { quitOnDestroy_ = quit; }

  // Public operations of the main window.
  void EnumFont0(long lType);
  void ChangeFont(const std::wstring& strFontName);

  // Controls, as the control table names them.
  ui::ComboBox Combo1;
  ui::ListBox List1;
  ui::Panel Bar;
  ui::TextBox Text2;
  ui::Panel Frame1;
  ui::CommandButton Command1;
  ui::PictureBox Picture2;
  ui::Panel pBar;
  ui::CheckBox Check1, Check2, Check3, Check4;
  ui::Label Label2;
  ui::TextBox Text1;
  ui::PictureBox Picture1;
  ui::Label Label1;
  ui::PopupMenu m_List;
  ui::MenuCommand m_List_Copy;
  ui::MenuCommand m_List_Remove;

  // The current list filter.
  std::wstring strPattern;

  // Event handlers.
  void Form_Load();
  void Form_Unload();
  void Command1_Click();
  void List1_Click();
  void Combo1_KeyDown(int KeyCode, int Shift);
  void Check1_Click();
  void Check2_Click();
  void Check3_Click();
  void Check4_Click();
  void Text1_KeyPress(int& KeyAscii);
  void List1_MouseDown(int Button, int Shift, double X, double Y);
  void List1_DblClick();
  void m_List_Copy_Click(int Index);
  void m_List_Remove_Click();
  void List1_KeyDown(int KeyCode, int Shift);
  void Form_Resize();
  void Text2_OLEDragDrop(IDataObject* Data);
  void Picture1_MouseDown(int Button, int Shift, double X, double Y);
  void Picture1_MouseMove(int Button, int Shift, double X, double Y);
  void Picture1_MouseUp(int Button, int Shift, double X, double Y);
  void Label1_MouseDown(int Button, int Shift, double X, double Y);
  void Label1_MouseMove(int Button, int Shift, double X, double Y);
  void Label1_MouseUp(int Button, int Shift, double X, double Y);
  void Bar_MouseDown(int Button, int Shift, double X, double Y);
  void Bar_MouseMove(int Button, int Shift, double X, double Y);
  void Bar_MouseUp(int Button, int Shift, double X, double Y);
  unsigned char BarDrag() const { return barDrag_; }

 protected:
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
  void OnClose() override;

 private:
  void CreateControls();
  void AddTooltips();
  void WireEvents();

  bool quitOnDestroy_ = false;
  bool hooked_ = false;
  bool loaded_ = false;
  unsigned char barDrag_ = 0;  // 255 while the splitter bar is held
  flatbutton::Tracker aboutButton_{Picture1, Label1, 120, 75};
};
