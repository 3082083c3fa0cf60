// Enter in the search box, as typed by the user.
#include "harness.h"

#include <string>
#include <vector>

#include "support/fontinstall.h"

namespace {

std::vector<std::wstring> Items(const ui::ListBox& list) {
  std::vector<std::wstring> items;
  for (int i = 0; i < list.Count(); ++i) items.push_back(list.Item(i));
  return items;
}

std::vector<std::wstring> History(const ui::ComboBox& combo) {
  std::vector<std::wstring> items;
  for (int i = 0; i < combo.ListCount(); ++i) items.push_back(combo.List(i));
  return items;
}

}  // namespace

class Search : public MainWindowWithFonts {
 protected:
  void SetUp() override {
    MainWindowWithFonts::SetUp();
    ASSERT_TRUE(input::MakeForeground(form->Handle(), &Pump));
  }

  // Types nothing but Enter: the text is put in place as a paste would.
  std::vector<std::wstring> SearchFor(const wchar_t* text) {
    form->Combo1.SetText(text);
    form->Combo1.Focus();
    input::PressKey(VK_RETURN);
    Settle([] { return GetKeyState(VK_RETURN) >= 0; }, 2000);
    Pump();
    return Items(form->List1);
  }

};

TEST_F(Search, PlainTextIsFoundAnywherePatternsMatchWholeNames) {
  EXPECT_EQ(SearchFor(L"beta"), (std::vector<std::wstring>{L"Gbx Beta 1", L"Gbx Beta 10", L"Gbx Beta 2"}));
  EXPECT_EQ(SearchFor(L"Gbx Beta #"), (std::vector<std::wstring>{L"Gbx Beta 1", L"Gbx Beta 2"}));
  EXPECT_EQ(SearchFor(L"[gbx"), std::vector<std::wstring>{}) << "an opening bracket and letters find nothing";
  EXPECT_TRUE(form->List1.Visible());
}

TEST_F(Search, TheHistoryKeepsTheFirstSpellingAndDoesNotReorder) {
  SearchFor(L"gbx beta");
  SearchFor(L"GBX BETA");
  EXPECT_EQ(History(form->Combo1), std::vector<std::wstring>{L"gbx beta"});
  SearchFor(L"alpha");
  SearchFor(L"gamma");
  SearchFor(L"alpha");
  EXPECT_EQ(History(form->Combo1), (std::vector<std::wstring>{L"gamma", L"alpha", L"gbx beta"}));
}

TEST_F(Search, EnterInAnEmptyBoxChangesNothing) {
  SearchFor(L"beta");
  const auto list = Items(form->List1);
  const auto history = History(form->Combo1);
  SearchFor(L"");
  EXPECT_EQ(Items(form->List1), list);
  EXPECT_EQ(History(form->Combo1), history);
}
