// Enter in the search box: refill the list with the matching fonts and remember the text.
#include "mainwnd/form1.h"

void Form1::Combo1_KeyDown(int KeyCode, int) {
  if (KeyCode != VK_RETURN) return;
  const std::wstring text = Combo1.Text();
  if (text.empty()) return;
  EnumFont0(1);
  // A text searched before, in any case, keeps its place and its first spelling.
  if (Combo1.FindExact(text) < 0) Combo1.InsertItem(0, text);
}
