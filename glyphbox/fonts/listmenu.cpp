// The font list's context menu, its double click and the copy commands.
#include <string>

#include "fonts/clipboard.h"
#include "fonts/fontreg.h"
#include "fonts/removalrules.h"
#include "fonts/removefont.h"
#include "mainwnd/appmessage.h"
#include "mainwnd/form1.h"

void Form1::List1_MouseDown(int Button, int, double X, double Y) {
  // A list narrowed to nothing still opens the menu, which ends the narrowing.
  if ((List1.Count() == 0 && !narrowing.On()) || Button != 2) return;
  // The row really under the pointer, as the list lays its rows out: an estimate from the
  // font size picks the wrong row as soon as rows are taller than the size.
  List1.SetListIndex(List1.RowAt(X, Y));
  List1_Click();
  List1.Focus();
  m_List.Show(Handle());
}

void Form1::List1_DblClick() {
  if (!List1.SelectedText().empty()) m_List_Copy_Click(0);
}

void Form1::m_List_Copy_Click(int Index) {
  if (Index == 0) {
    fonts::SetClipboardText(Handle(), List1.SelectedText());
  } else if (Index == 1) {
    std::wstring name = List1.SelectedText();
    // No selection: an empty name would match unrelated values, so there is nothing to copy.
    if (name.empty()) return;
    const mdl_RemoveFont::FontRegInfo info = mdl_RemoveFont::GetFontRegInfo(name, Handle());
    if (info.lMax < 0) return;
    std::wstring files;
    for (const std::wstring& file : mdl_RemoveFont::FileNamesOnce(info, mdl_RemoveFont::GetFontsFolder(Handle())))
      files += file + L"\r\n";
    fonts::SetClipboardText(Handle(), files);
  }
}

void Form1::m_List_Remove_Click() {
  if (List1.SelectedText().empty()) return;
  long index = List1.ListIndex();
  using Outcome = mdl_RemoveFont::RemovalResult::Outcome;
  const mdl_RemoveFont::RemovalResult removal = mdl_RemoveFont::RemoveFont(
      Handle(), mdl_RemoveFont::GetFontsFolder(Handle()), index, [this](int i) { return List1.Item(i); },
      [this](const std::wstring& face) { ChangeFont(face); });
  switch (removal.outcome) {
    case Outcome::NotPlaced:
      return;  // the user has been told; not even the focus moves
    case Outcome::Cancelled:
      break;
    case Outcome::Removed: {
      // Refilled with nothing selected, so that only the neighbour is previewed. When the
      // neighbour went with the font (its faces lay in the same files), the face the preview
      // moved to is selected instead; without either, the preview stays where it is.
      List1.SetListIndex(-1);
      EnumFont0(2);
      int selected = List1.FindExact(removal.neighbour);
      if (selected < 0) selected = List1.FindExact(removal.standIn);
      if (selected >= 0) {
        List1.SetListIndex(selected);
        List1_Click();
      }
      break;
    }
    case Outcome::Kept: {
      List1.SetListIndex(static_cast<int>(index));
      ChangeFont(List1.Item(static_cast<int>(index)));
      std::wstring text = mdl_RemoveFont::FailureText(removal.kept);
      if (!removal.notRestored.empty()) text += L"\r\n\r\n" + mdl_RemoveFont::NotRestoredText(removal.notRestored);
      mainwnd::AppMessage(Handle(), text, MB_ICONERROR | MB_OK);
      break;
    }
  }
  List1.Focus();
}

void Form1::List1_KeyDown(int KeyCode, int) {
  if (KeyCode == VK_DELETE && !List1.SelectedText().empty()) m_List_Remove_Click();
}
