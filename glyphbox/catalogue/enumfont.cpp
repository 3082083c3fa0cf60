// Form1::EnumFont0: refills the font list from the installed fonts and cuts it down to the
// names that match the current filter.
#include <vector>

#include "catalogue/casemap.h"
#include "catalogue/getfont.h"
#include "catalogue/listfilter.h"
#include "catalogue/pattern.h"
#include "mainwnd/form1.h"

namespace {

// Cuts the list down to what the filter keeps; returns the index of the last vertical ("@")
// name that stays (0 when none does).
int FilterList(ui::ListBox& list, const std::wstring& pattern) {
  try {
    std::vector<std::wstring> names(list.Count());
    for (int i = 0; i < static_cast<int>(names.size()); ++i) names[i] = list.Item(i);
    const catalogue::CaseMap caseMap = catalogue::UserLocaleCaseMap();
    const catalogue::FilterPlan plan = catalogue::PlanFilter(names, catalogue::Pattern(pattern, caseMap), caseMap);
    // From the end, so that the indexes still to visit stay valid.
    for (int i = static_cast<int>(names.size()) - 1; i >= 0; --i)
      if (!plan.keep[i]) list.RemoveItem(i);
    return plan.lastVertical;
  } catch (...) {
    // Out of memory for the names: the list stays unfiltered, and the steps after this run.
    return 0;
  }
}

}  // namespace

// Each step runs whatever became of the ones before, so that the list is always shown and
// the button enabled again at the end.
void Form1::EnumFont0(long lType) {
  int selected = -1, top = 0;
  switch (lType) {
    case 0:
      strPattern = L"*";
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
  List1.Clear();
  List1.SetVisible(false);
  Command1.SetEnabled(false);
  pBar.Move(0, pBar.Top(), 15, pBar.Height());
  mdl_GetFont::GetFont(*this);
  ::MessageBeep(MB_OK);
  const int lastVertical = FilterList(List1, strPattern);
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
  Command1.SetEnabled(true);
  List1.SetVisible(true);
}
