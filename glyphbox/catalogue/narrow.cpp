// The list narrowed to the faces that can set the preview's text, following that text.
#include "catalogue/getfont.h"
#include "mainwnd/form1.h"

void Form1::m_List_Narrow_Click() {
  narrowing.SetOn(!narrowing.On());
  m_List.SetChecked(m_List_Narrow, 0, narrowing.On());
  ListMatches();
  List1.Focus();
}

void Form1::Timer1_Timer() {
  Timer1.SetEnabled(false);
  if (narrowing.On()) ListMatches();
}

std::function<bool(const std::wstring&)> Form1::NarrowedTo() {
  if (!narrowing.On()) return [](const std::wstring&) { return true; };
  return narrowing.HoldingAll(PreviewCharacters());
}

void Form1::ListMatches() {
  // A pause in typing has nothing more to do.
  Timer1.SetEnabled(false);
  const std::wstring selected = List1.SelectedText(), top = List1.Count() > 0 ? List1.Item(List1.TopIndex()) : L"";
  BeginListing();
  const auto holds = NarrowedTo();
  mdl_GetFont::FillList(*this, narrowing.matches, [&](size_t k) { return holds(narrowing.matches[k]); });
  // The preview stays on its face, listed or not.
  List1.SetListIndex(List1.FindExact(selected));
  if (const int first = List1.FindExact(top); first >= 0) List1.SetTopIndex(first);
  EndListing();
}

void Form1::BeginListing() {
  List1.Clear();
  List1.SetVisible(false);
  List1.SetRedraw(false);
  Command1.SetEnabled(false);
  pBar.Move(0, pBar.Top(), 15, pBar.Height());
  Label3.SetCaption(L"");
  if (!::IsWindowVisible(pBar.Handle())) pBar.SetVisible(true);
}

void Form1::EndListing() {
  Command1.SetEnabled(true);
  // Before any gather there is nothing to narrow.
  List1.SetEmptyText(narrowing.On() && List1.Count() == 0 && !narrowing.matches.empty()
                         ? L"プレビューの文字をすべて持つフォントはありません。\r\n\r\n右クリックのメニューで元に戻せます。"
                         : L"");
  ShowLacking();
  // Redraw first: the scroll bar the new names need is laid out while the list is still off
  // the screen, at a fraction of what it costs on a shown list.
  List1.SetRedraw(true);
  List1.SetVisible(true);
}
