// The preview pane: the face chosen in the list, the size box and the four style switches.
#include "mainwnd/form1.h"
#include "preview/sizebox.h"

void Form1::ChangeFont(const std::wstring& strFontName) {
  {
    // One new font for the whole change instead of one per attribute. An attribute the
    // platform cannot use leaves the font as it was; the other steps still apply.
    ui::TextBox::FontUpdate update(Text2);
    Text2.SetFontName(strFontName);
    Text2.SetFontBold(Check1.Checked());
    Text2.SetFontItalic(Check2.Checked());
    Text2.SetFontStrikethru(Check3.Checked());
    Text2.SetFontUnderline(Check4.Checked());
    int enter = 13;
    Text1_KeyPress(enter);
  }
  ShowLacking();
}

// A family's bold or italic may come from a file of its own, with a map of its own.
void Form1::Check1_Click() {
  Text2.SetFontBold(Check1.Checked());
  ShowLacking();
}
void Form1::Check2_Click() {
  Text2.SetFontItalic(Check2.Checked());
  ShowLacking();
}
void Form1::Check3_Click() { Text2.SetFontStrikethru(Check3.Checked()); }
void Form1::Check4_Click() { Text2.SetFontUnderline(Check4.Checked()); }

void Form1::Text1_KeyPress(int& KeyAscii) {
  if (KeyAscii == 13) {
    const float size = preview::SizeFromText(Text1.Text());
    Text1.SetText(preview::FormatSize(size));
    Text2.SetFontSize(size);
    return;
  }
  KeyAscii = preview::FilterSizeKey(KeyAscii);
}
