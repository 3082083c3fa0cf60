// Gathering the installed fonts, checked against what the system itself reports.
#include <algorithm>
#include <string>
#include <vector>

#include "harness.h"

#include <commctrl.h>
#include <imm.h>
#include "support/fontinstall.h"
#include "support/oracle.h"

namespace {

size_t LeadingVerticalNames(const std::vector<std::wstring>& items) {
  size_t n = 0;
  while (n < items.size() && !items[n].empty() && items[n][0] == L'@') ++n;
  return n;
}

}  // namespace

using Gathering = MainWindowWithFonts;

TEST_F(Gathering, ListsEveryInstalledFaceOnceInSortedOrder) {
  Gather(*form);
  const std::vector<std::wstring> items = Items(form->List1);
  const std::vector<std::wstring> faces = oracle::DistinctFaces();
  EXPECT_EQ(items.size(), faces.size());
  for (const auto& face : faces) {
    const auto hits = std::count_if(items.begin(), items.end(), [&](const auto& i) { return oracle::SameIgnoringCase(i, face); });
    EXPECT_EQ(hits, 1) << testing::PrintToString(face);
  }
  for (size_t i = 1; i < items.size(); ++i)
    EXPECT_TRUE(oracle::SortsBefore(items[i - 1], items[i]))
        << testing::PrintToString(items[i - 1]) << " before " << testing::PrintToString(items[i]);
  EXPECT_TRUE(IsWindowVisible(form->List1.Handle()));
  EXPECT_TRUE(form->Command1.Enabled());
  EXPECT_EQ(form->List1.ListIndex(), -1) << "nothing is selected after a gather";
  EXPECT_EQ(form->strPattern, L"*");
}

TEST_F(Gathering, NamesDifferingOnlyInCaseGiveOneEntry) {
  Gather(*form);
  const auto items = Items(form->List1);
  const auto alphas = std::count_if(items.begin(), items.end(),
                                    [](const auto& i) { return oracle::SameIgnoringCase(i, L"Gbx Alpha"); });
  EXPECT_EQ(alphas, 1);
  for (const wchar_t* family : {L"Gbx Beta 1", L"Gbx Beta 2", L"Gbx Beta 10", L"Gbx Gamma]"})
    EXPECT_EQ(std::count(items.begin(), items.end(), family), 1) << testing::PrintToString(std::wstring(family));
}

TEST_F(Gathering, VerticalNamesArePresentButScrolledOutOfSight) {
  Gather(*form);
  const auto items = Items(form->List1);
  const size_t vertical = LeadingVerticalNames(items);
  ASSERT_GE(vertical, 2u) << "the Japanese fonts give vertical faces";
  ASSERT_LT(vertical, items.size());
  // The first visible entry is the first name after them, unless the list is too short to
  // scroll that far: a list box never scrolls past its last page.
  EXPECT_EQ(form->List1.TopIndex(), ReachableTopIndex(form->List1, static_cast<int>(vertical)))
      << testing::PrintToString(items);
  for (size_t i = vertical; i < items.size(); ++i) EXPECT_NE(items[i][0], L'@');
}

TEST_F(Gathering, ASecondClickGivesTheSameList) {
  Gather(*form);
  const auto first = Items(form->List1);
  const int top = form->List1.TopIndex();
  Gather(*form);
  EXPECT_EQ(Items(form->List1), first);
  EXPECT_EQ(form->List1.TopIndex(), top);
}

TEST_F(Gathering, TheListIsHiddenAndTheButtonDisabledWhileItFills) {
  struct Seen {
    int adds = 0;
    bool everVisible = false, buttonEverEnabled = false;
    HWND button;
  } seen;
  seen.button = form->Command1.Handle();
  auto watch = [](HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref) -> LRESULT {
    if (msg == LB_ADDSTRING || msg == LB_INSERTSTRING) {
      auto* s = reinterpret_cast<Seen*>(ref);
      ++s->adds;
      s->everVisible |= IsWindowVisible(h) != FALSE;
      s->buttonEverEnabled |= IsWindowEnabled(s->button) != FALSE;
    }
    return DefSubclassProc(h, msg, wp, lp);
  };
  SetWindowSubclass(form->List1.Handle(), watch, 77, reinterpret_cast<DWORD_PTR>(&seen));
  Gather(*form);
  RemoveWindowSubclass(form->List1.Handle(), watch, 77);
  EXPECT_EQ(seen.adds, form->List1.Count()) << "each listed name added once, none to go again";
  EXPECT_FALSE(seen.everVisible);
  EXPECT_FALSE(seen.buttonEverEnabled);
  EXPECT_TRUE(IsWindowVisible(form->List1.Handle()));
  EXPECT_TRUE(form->Command1.Enabled());
}

TEST_F(Gathering, TheScrollBarFollowsWhatTheListHolds) {
  // The list fills with its drawing off and shows again afterwards: its scroll bar must still
  // come and go with the names it holds.
  const auto bar = [&] {
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE;
    GetScrollInfo(form->List1.Handle(), SB_VERT, &si);
    const bool shown = (GetWindowLongPtrA(form->List1.Handle(), GWL_STYLE) & WS_VSCROLL) != 0;
    return std::make_pair(shown, shown ? si.nMax + 1 : 0);
  };
  struct Step {
    const wchar_t* search;  // null: the gather button
    bool shown;
  };
  for (const Step& step : {Step{nullptr, true}, Step{L"Gbx Alpha", false}, Step{nullptr, true}}) {
    if (step.search)
      Search(*form, step.search);
    else
      Gather(*form);
    const auto [shown, rows] = bar();
    EXPECT_EQ(shown, step.shown) << (step.search ? "after a search" : "after a gather");
    if (step.shown) {
      EXPECT_EQ(rows, form->List1.Count());
    }
    EXPECT_TRUE(IsWindowVisible(form->List1.Handle()));
  }
}

TEST_F(Gathering, TheProgressBarEndsOneStepShortOfTheStrip) {
  Gather(*form);
  const double n = static_cast<double>(oracle::ReportedFaces().size());
  const double strip = form->Picture2.ScaleWidth();
  EXPECT_DOUBLE_EQ(form->pBar.Left(), 0);
  // The k-th font (from 0) gives k/N of the strip, so the last one gives (N-1)/N.
  EXPECT_NEAR(form->pBar.Width(), (n - 1) / n * strip, 15);
  EXPECT_GT(form->pBar.Width(), strip * 0.9);
}

// Nothing pumps messages while the list fills: what shows of the bar then is what it painted
// the moment it moved. Looked at when the gather enables its button again, after the bar's
// last move and before the list shows.
TEST_F(Gathering, TheProgressBarShowsItsGrowthWhileTheListFills) {
  struct Seen {
    HWND bar;
    int width = 0;
    COLORREF atItsEnd = CLR_INVALID;
  } seen;
  seen.bar = form->pBar.Handle();
  auto watch = [](HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref) -> LRESULT {
    auto* s = reinterpret_cast<Seen*>(ref);
    if (msg == WM_ENABLE && wp) {
      RECT r;
      GetClientRect(s->bar, &r);
      s->width = r.right;
      HDC dc = GetDC(s->bar);
      s->atItsEnd = GetPixel(dc, r.right - 1, r.bottom / 2);
      ReleaseDC(s->bar, dc);
    }
    return DefSubclassProc(h, msg, wp, lp);
  };
  Pump();
  SetWindowSubclass(form->Command1.Handle(), watch, 77, reinterpret_cast<DWORD_PTR>(&seen));
  Gather(*form);
  RemoveWindowSubclass(form->Command1.Handle(), watch, 77);
  ASSERT_GT(seen.width, 1) << "the bar has grown";
  EXPECT_EQ(seen.atItsEnd, RGB(0, 0, 128));
}

TEST_F(Gathering, PlainSearchTextIsFoundAnywhereInAnyCase) {
  EXPECT_EQ(Search(*form, L"GBX BETA"), (std::vector<std::wstring>{L"Gbx Beta 1", L"Gbx Beta 10", L"Gbx Beta 2"}));
  EXPECT_EQ(form->strPattern, L"*GBX BETA*");
  const auto alpha = Search(*form, L"alpha");
  ASSERT_EQ(alpha.size(), 1u);
  EXPECT_TRUE(oracle::SameIgnoringCase(alpha[0], L"Gbx Alpha"));
}

TEST_F(Gathering, PatternSearchesMatchWholeNames) {
  struct Row {
    const wchar_t* text;
    std::vector<std::wstring> expected;
  };
  const Row rows[] = {
      {L"gbx beta #", {L"Gbx Beta 1", L"Gbx Beta 2"}},
      {L"Gbx Beta 1[0-9]", {L"Gbx Beta 10"}},
      {L"Gbx Beta [!1]", {L"Gbx Beta 2"}},
      {L"Gbx ?eta *", {L"Gbx Beta 1", L"Gbx Beta 10", L"Gbx Beta 2"}},
      {L"[gbx", {}},                  // an unclosed bracket finds nothing
      {L"mma]", {L"Gbx Gamma]"}},     // letters then a closing bracket: found literally
  };
  for (const Row& r : rows) {
    EXPECT_EQ(Search(*form, r.text), r.expected) << testing::PrintToString(std::wstring(r.text));
    EXPECT_TRUE(IsWindowVisible(form->List1.Handle()));
  }
}

TEST_F(Gathering, RefillAfterRemovalKeepsFilterSelectionAndScroll) {
  Gather(*form);
  ASSERT_GT(form->List1.Count(), 12);
  form->List1.SetListIndex(9);
  form->List1.SetTopIndex(3);
  const std::wstring selected = form->List1.Item(9);
  form->EnumFont0(2);
  EXPECT_EQ(form->strPattern, L"*");
  EXPECT_EQ(form->List1.ListIndex(), 9);
  EXPECT_EQ(form->List1.TopIndex(), 3);
  EXPECT_EQ(form->Text2.FontName(), selected) << "selecting again previews the font";
}

TEST_F(Gathering, RefillLeavesOutASelectionBeyondTheShortenedList) {
  ASSERT_EQ(Search(*form, L"gbx beta"), (std::vector<std::wstring>{L"Gbx Beta 1", L"Gbx Beta 10", L"Gbx Beta 2"}));
  form->List1.SetListIndex(2);
  fonts->Remove("gbx-beta2.ttf");
  form->EnumFont0(2);
  fonts->Install("gbx-beta2.ttf");
  EXPECT_EQ(form->strPattern, L"*gbx beta*");
  EXPECT_EQ(Items(form->List1), (std::vector<std::wstring>{L"Gbx Beta 1", L"Gbx Beta 10"}));
  EXPECT_EQ(form->List1.ListIndex(), -1);
}

TEST_F(Gathering, RefillWithoutAnEarlierFilterUsesEverything) {
  form->EnumFont0(2);
  EXPECT_EQ(form->strPattern, L"*");
  EXPECT_EQ(form->List1.Count(), static_cast<int>(oracle::DistinctFaces().size()));
}
