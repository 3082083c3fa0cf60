// Form1::EnumFont0: refills the font list from the installed fonts and cuts it down to the
// names that match the current filter.
#include "catalogue/casemap.h"
#include "catalogue/getfont.h"
#include "catalogue/listfilter.h"
#include "catalogue/pattern.h"
#include "mainwnd/form1.h"

// Each step runs whatever became of the ones before, so that the list is always shown and
// the button enabled again at the end.
void Form1::EnumFont0(long lType) {
  int selected = -1, top = 0;
  switch (lType) {
    case 0:
      strPattern = L"*";
      // A gather reads the faces afresh: so does the next narrowing.
      narrowing.Forget();
      break;
    case 1:
      strPattern = catalogue::PatternForSearch(Combo1.Text());
      break;
    case 2:
      if (strPattern.empty()) strPattern = L"*";
      selected = List1.ListIndex();
      top = List1.TopIndex();
      break;
    default:
      break;
  }
  BeginListing();
  // Filled and filtered in one: see GetFont.
  const int lastVertical = mdl_GetFont::GetFont(*this, catalogue::Pattern(strPattern, catalogue::UserLocaleCaseMap()));
  ::MessageBeep(MB_OK);
  const int count = List1.Count();
  if (lType == 2) {
    if (selected >= 0 && selected < count) {
      List1.SetListIndex(selected);
      List1_Click();
    }
    if (top >= 0 && top < count) List1.SetTopIndex(top);
  } else if (const int first = catalogue::TopIndexAfterGather(lastVertical, count); first >= 0) {
    List1.SetTopIndex(first);
  }
  EndListing();
}
