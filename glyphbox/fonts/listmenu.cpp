// The font list's context menu, its double click and the copy commands.
#include <string>

#include "fonts/fontreg.h"
#include "fonts/removefont.h"
#include "mainwnd/form1.h"
#include "ui/clipboard.h"
#include "ui/twips.h"

namespace {

std::wstring SelectedText(const ui::ListBox& list) {
  const int index = list.ListIndex();
  return index >= 0 ? list.Item(index) : std::wstring();
}

}  // namespace

void Form1::List1_MouseDown(int Button, int, double, double Y) {
  if (List1.Count() == 0 || Button != 2) return;
  const long rowHeight = ui::RoundHalfEven(List1.FontSize() * 20);
  if (rowHeight <= 0) return;
  const long row = ui::RoundHalfEven(Y) / rowHeight + List1.TopIndex();
  List1.SetListIndex(static_cast<int>(row));
  List1_Click();
  List1.Focus();
  m_List.Show(Handle());
}

void Form1::List1_DblClick() {
  if (!SelectedText(List1).empty()) m_List_Copy_Click(0);
}

void Form1::m_List_Copy_Click(int Index) {
  if (Index == 0) {
    ui::SetClipboardText(Handle(), SelectedText(List1));
  } else if (Index == 1) {
    std::wstring name = SelectedText(List1);
    // No selection: an empty name would match unrelated values, so there is nothing to copy.
    if (name.empty()) return;
    const mdl_RemoveFont::FontRegInfo info = mdl_RemoveFont::GetFontRegInfo(name, Handle());
    if (info.lMax < 0) return;
    std::wstring files;
    for (long i = 0; i <= info.lMax; ++i) files += info.Entries[i].strFileName + L"\r\n";
    ui::SetClipboardText(Handle(), files);
  }
}

void Form1::m_List_Remove_Click() {
  if (SelectedText(List1).empty()) return;
  long index = List1.ListIndex();
  mdl_RemoveFont::RemoveFont(*this, index);
}

void Form1::List1_KeyDown(int KeyCode, int) {
  if (KeyCode == VK_DELETE && !SelectedText(List1).empty()) m_List_Remove_Click();
}
