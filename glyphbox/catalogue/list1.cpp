// The font list's selection.
#include "mainwnd/form1.h"

void Form1::List1_Click() {
  const int index = List1.ListIndex();
  const std::wstring text = index >= 0 ? List1.Item(index) : std::wstring();
  if (!text.empty()) ChangeFont(text);
}
