#pragma once
// The main window "Glyphora". The event table in form1.cpp says what reacts to what; each
// handler below is defined in the file named above it.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/narrowing.h"
#include "flatbutton/tracker.h"
#include "fonts/charmap.h"
#include "preview/droptarget.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/menu.h"
#include "ui/panel.h"

class Form1 : public ui::Form {
 public:
  using Form::Form;

  // Creates the window and its controls, wires their events and raises Load.
  void Load();

  // Controls, top left to bottom right.
  ui::ComboBox Combo1;    // the search box; its drop-down list holds earlier searches
  ui::ListBox List1;      // the font list, sorted; empty until a gather
  ui::Panel Bar;          // the splitter bar between list and preview
  ui::TextBox Text2;      // the preview of the sample text
  preview::FileDropTarget text2Drops{Text2};  // files dropped on the preview reach Text2
  ui::Panel Frame1;       // the bottom panel, holding everything below
  ui::CommandButton Command1;  // "かき集める": gathers every font
  ui::PictureBox Picture2;     // the progress strip
  ui::Panel pBar;              // the progress bar in the strip
  ui::Label Label3;            // on the strip, when no bar runs: what the previewed face lacks
  ui::CheckBox Check1, Check2, Check3, Check4;  // bold, italic, strikethrough, underline
  ui::Label Label2;            // "Font &Size": its access key leads to the size box
  ui::TextBox Text1;           // the size box, in points
  ui::PictureBox Picture1;     // the flat about button
  ui::Label Label1;            // its caption, "バージョン情報"
  ui::PopupMenu m_List;        // the font list's right-click menu
  ui::MenuCommand m_List_Copy;    // items 0 and 1: copy the name, copy the file names
  ui::MenuCommand m_List_Remove;  // remove the font
  ui::MenuCommand m_List_Narrow;  // list only the faces that hold every character of the preview
  ui::Timer Timer1;               // a pause in typing: the narrowed list follows the preview's text

  // The current list filter.
  std::wstring strPattern;
  // The narrowing of the list to the faces that can set the preview's text.
  catalogue::Narrowing narrowing;

  // mainwnd/form1.cpp: start-up, shutdown and the gather button.
  void Form_Load();
  void Form_Unload();
  void Command1_Click();
  // mainwnd/resize.cpp: the layout and the splitter.
  void Form_Resize();
  void Bar_MouseDown(int Button, int Shift, double X, double Y);
  void Bar_MouseMove(int Button, int Shift, double X, double Y);
  void Bar_MouseUp(int Button, int Shift, double X, double Y);
  void Bar_LostCapture();

  // catalogue/enumfont.cpp: gathering the fonts; list1.cpp: the list's selection;
  // search.cpp: the search box; narrow.cpp: the narrowing to the preview's characters.
  void EnumFont0(long lType);
  void List1_Click();
  void Combo1_KeyDown(int KeyCode, int Shift);
  void m_List_Narrow_Click();
  void Timer1_Timer();
  // Lists the names of the last gather or search again, narrowed or not, without asking the
  // system for its fonts; the selected entry and the first one shown stay where they can.
  void ListMatches();
  // The faces the list keeps: every one, or while narrowed those that hold the preview's
  // characters.
  std::function<bool(const std::wstring& face)> NarrowedTo();
  // While the list fills it is hidden, the gather button taken away and the strip's bar
  // started; then they come back, an empty narrowed list says why, and the strip what the
  // previewed face lacks.
  void BeginListing();
  void EndListing();

  // preview/changefont.cpp: the previewed font, the size box, the style switches.
  void ChangeFont(const std::wstring& strFontName);
  void Check1_Click();
  void Check2_Click();
  void Check3_Click();
  void Check4_Click();
  void Text1_KeyPress(int& KeyAscii);
  // preview/drop.cpp: a file dropped on the preview.
  void Text2_OLEDragDrop(IDataObject* Data);
  // preview/lacking.cpp: what the previewed face lacks of the preview's text.
  void Text2_Change();
  void ShowLacking();
  std::vector<char32_t> PreviewCharacters() const;

  // fonts/listmenu.cpp: the list's menu, the copies and the removal.
  void List1_MouseDown(int Button, int Shift, double X, double Y);
  void List1_DblClick();
  void List1_KeyDown(int KeyCode, int Shift);
  void m_List_Copy_Click(int Index);
  void m_List_Remove_Click();

  // flatbutton/aboutbutton.cpp: the about button.
  void Picture1_MouseDown(int Button, int Shift, double X, double Y);
  void Picture1_MouseMove(int Button, int Shift, double X, double Y);
  void Picture1_MouseUp(int Button, int Shift, double X, double Y);
  void Picture1_LostCapture();
  void Label1_MouseDown(int Button, int Shift, double X, double Y);
  void Label1_MouseMove(int Button, int Shift, double X, double Y);
  void Label1_MouseUp(int Button, int Shift, double X, double Y);

 protected:
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  void CreateControls();
  void AddTooltips();
  void WireEvents();

  bool hooked_ = false;
  // The previewed font's character map, read once for each font the preview is given.
  unsigned mappedFont_ = ~0u;  // the preview's font change it was read for
  std::optional<fonts::CharMap> previewMap_;
  unsigned char barDrag_ = 0;  // 255 while the splitter bar is held
  flatbutton::Tracker aboutButton_{Picture1, Label1, 120, 75};
};
