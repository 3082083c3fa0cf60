// Form1::EnumFont0: refills the font list from the installed fonts and cuts it down to the
// names that match the current filter.
#include <vector>

#include "catalogue/casemap.h"
#include "catalogue/getfont.h"
#include "catalogue/listfilter.h"
#include "catalogue/pattern.h"
#include "mainwnd/form1.h"
#include "ui/steps.h"

void Form1::EnumFont0(long lType) {
  int selected = -1, top = 0;
  ui::Step([&] {
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
  });
  ui::Step([&] { List1.Clear(); });
  ui::Step([&] { List1.SetVisible(false); });
  ui::Step([&] { Command1.SetEnabled(false); });
  ui::Step([&] { pBar.Move(0, pBar.Top(), 15, pBar.Height()); });
  ui::Step([&] { mdl_GetFont::GetFont(*this); });
  ui::Step([&] { ::MessageBeep(MB_OK); });
  int lastVertical = 0;
  ui::Step([&] {
    std::vector<std::wstring> names(List1.Count());
    for (int i = 0; i < static_cast<int>(names.size()); ++i) names[i] = List1.Item(i);
    const catalogue::CaseMap caseMap = catalogue::UserLocaleCaseMap();
    const catalogue::FilterPlan plan =
        catalogue::PlanFilter(names, catalogue::Pattern(strPattern, caseMap), caseMap);
    // From the end, so that the indexes still to visit stay valid.
    for (int i = static_cast<int>(names.size()) - 1; i >= 0; --i)
      if (!plan.keep[i]) List1.RemoveItem(i);
    lastVertical = plan.lastVertical;
  });
  ui::Step([&] {
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
  });
  ui::Step([&] { Command1.SetEnabled(true); });
  ui::Step([&] { List1.SetVisible(true); });
}
