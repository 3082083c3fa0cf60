// Enter in the search box, as typed by the user.
#include "harness.h"

#include <string>
#include <vector>

class SearchBox : public WithFonts<ForegroundWindow> {
 protected:
  // Types nothing but Enter: the text is put in place as a paste would.
  std::vector<std::wstring> SearchFor(const wchar_t* text) {
    form->Combo1.SetText(text);
    form->Combo1.Focus();
    input::PressKeyAndWait(VK_RETURN, &Pump);
    return Items(form->List1);
  }
};

TEST_F(SearchBox, PlainTextIsFoundAnywherePatternsMatchWholeNames) {
  EXPECT_EQ(SearchFor(L"beta"), (std::vector<std::wstring>{L"Gbx Beta 1", L"Gbx Beta 10", L"Gbx Beta 2"}));
  EXPECT_EQ(SearchFor(L"Gbx Beta #"), (std::vector<std::wstring>{L"Gbx Beta 1", L"Gbx Beta 2"}));
  EXPECT_EQ(SearchFor(L"[gbx"), std::vector<std::wstring>{}) << "an opening bracket and letters find nothing";
  EXPECT_TRUE(IsWindowVisible(form->List1.Handle()));
}

TEST_F(SearchBox, TheHistoryKeepsTheFirstSpellingAndDoesNotReorder) {
  SearchFor(L"gbx beta");
  SearchFor(L"GBX BETA");
  EXPECT_EQ(History(form->Combo1), std::vector<std::wstring>{L"gbx beta"});
  SearchFor(L"alpha");
  SearchFor(L"gamma");
  SearchFor(L"alpha");
  EXPECT_EQ(History(form->Combo1), (std::vector<std::wstring>{L"gamma", L"alpha", L"gbx beta"}));
}

TEST_F(SearchBox, EnterInAnEmptyBoxChangesNothing) {
  SearchFor(L"beta");
  const auto list = Items(form->List1);
  const auto history = History(form->Combo1);
  SearchFor(L"");
  EXPECT_EQ(Items(form->List1), list);
  EXPECT_EQ(History(form->Combo1), history);
}
