// The font list's right click, its menu, the double click and what lands on the clipboard.
#include "harness.h"

#include <string>

#include "paths.h"
#include "support/files.h"
#include "support/registry.h"
#include "support/watcher.h"

namespace {

// A closed menu takes a moment to let go of the mouse; the next click waits for that.
bool NoMenuShown() { return !input::VisibleWindowOf(GetCurrentProcessId(), "#32768"); }

}  // namespace

class ListMenu : public WithFonts<ForegroundWindow> {
 protected:
  static void SetUpTestSuite() {
    WithFonts::SetUpTestSuite();
    for (const auto& [name, file] : kFamily) registry::SetFontValue(name, file);
  }
  static void TearDownTestSuite() {
    for (const auto& [name, file] : kFamily) registry::DeleteFontValue(name);
    WithFonts::TearDownTestSuite();
  }
  // Clicks a mouse button (twice: a double click) at pixel height y in the list, and waits
  // until the list has handled it; the pointer arrives first, so the list sees it come.
  void Click(int y, DWORD down, DWORD up, bool twice = false) {
    POINT p{20, y};
    ClientToScreen(form->List1.Handle(), &p);
    input::MoveMouse(p, &Pump);
    if (twice)
      input::MouseButtonSequence({down, up, down, up}, &Pump);
    else
      input::MouseButtonSequence({down, up}, &Pump);
  }

  int RowHeight() const { return static_cast<int>(SendMessageA(form->List1.Handle(), LB_GETITEMHEIGHT, 0, 0)); }
  // The middle pixel of row k of those shown.
  int RowY(int k) const { return k * RowHeight() + RowHeight() / 2; }

  // Right clicks at the first and last pixel of rows, with the list scrolled a little.
  void ExpectTheRowUnderThePointer() {
    ASSERT_GT(form->List1.Count(), 20);
    const int h = RowHeight();
    struct Row {
      int top, y, selected;
    };
    const Row rows[] = {{0, 0, 0}, {0, h - 1, 0}, {0, h, 1}, {3, 2 * h + 1, 5}, {2, 4 * h - 1, 5}, {4, 8 * h + 3, 12}};
    for (const Row& r : rows) {
      form->List1.SetTopIndex(r.top);
      ASSERT_EQ(form->List1.TopIndex(), r.top);
      WindowWatcher menu("#32768", nullptr, [&](HWND m) { PostMessageA(m, WM_KEYDOWN, VK_ESCAPE, 0); });
      Click(r.y, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
      ASSERT_TRUE(Settle([&] { return menu.Seen() > 0; }, 3000)) << "the menu opened, y=" << r.y;
      EXPECT_EQ(menu.Seen(), 1) << "once, y=" << r.y;
      EXPECT_EQ(form->List1.ListIndex(), r.selected) << "top " << r.top << ", y=" << r.y << ", rows of " << h;
      EXPECT_EQ(form->Text2.FontName(), form->List1.Item(r.selected)) << "and it is previewed";
      EXPECT_EQ(GetFocus(), form->List1.Handle());
      // The next click comes once the menu is gone (it may come as a double click: to the
      // list that is a press like any other).
      ASSERT_TRUE(Settle(&NoMenuShown, 3000)) << "the menu closed";
    }
  }

  static constexpr std::pair<const char*, const char*> kFamily[] = {
      {"Gbx Menu (TrueType)", "gbxmenu.ttf"},
      {"Gbx Menu Bold (TrueType)", "gbxmenub.ttf"},
      {"Gbx Menu Italic (TrueType)", "gbxmenui.ttf"},
  };
};

TEST_F(ListMenu, ARightClickSelectsTheRowUnderThePointerPreviewsItAndOpensTheMenu) {
  Gather(*form);
  ExpectTheRowUnderThePointer();
}

TEST_F(ListMenu, ARightClickFindsItsRowWhenTheRowsAreTallerThanTheFontSize) {
  // A face whose lines are more than twice its size: rows of 9 points x 20 twips would be
  // far shorter than the rows the list lays out.
  const std::string file = std::string(GBX_FONTS_DIR) + "\\gbx-tall.ttf";
  ASSERT_GT(AddFontResourceExA(file.c_str(), FR_PRIVATE, nullptr), 0);
  HFONT tall = CreateFontA(-PixelsFor(9), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Gbx Tall");
  SendMessageA(form->List1.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(tall), TRUE);
  Gather(*form);
  EXPECT_GT(RowHeight(), ui::YToPixels(9 * 20) * 3 / 2) << "the rows follow the tall face";
  ExpectTheRowUnderThePointer();
  SendMessageA(form->List1.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(ui::DefaultUiFont()), FALSE);
  DeleteObject(tall);
  RemoveFontResourceExA(file.c_str(), FR_PRIVATE, nullptr);
}

TEST_F(ListMenu, AQuickSecondRightClickOpensTheMenuAgain) {
  Gather(*form);
  form->List1.SetTopIndex(0);
  WindowWatcher menu("#32768", nullptr, [](HWND m) { PostMessageA(m, WM_KEYDOWN, VK_ESCAPE, 0); });
  Click(RowY(2), MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
  ASSERT_TRUE(Settle([&] { return menu.Seen() == 1 && NoMenuShown(); }, 3000)) << "the menu opened and closed";
  // Within the double-click time the system reports this press as a double click.
  Click(RowY(2), MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
  EXPECT_TRUE(Settle([&] { return menu.Seen() == 2; }, 3000)) << "the menu opened again";
  EXPECT_EQ(form->List1.ListIndex(), 2);
}

TEST_F(ListMenu, ChoosingTheFirstItemCopiesTheName) {
  Gather(*form);
  PutOnClipboard(form->Handle(), "before");
  WindowWatcher menu("#32768", nullptr, [](HWND m) {
    PostMessageA(m, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(m, WM_KEYDOWN, VK_RETURN, 0);
  });
  form->List1.SetTopIndex(0);
  Click(RowY(2), MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
  ASSERT_TRUE(Settle([&] { return menu.Seen() > 0; }, 3000)) << "the menu opened";
  Pump();
  EXPECT_EQ(ClipboardText(form->Handle()), form->List1.Item(2));
}

TEST_F(ListMenu, OtherPressesAndAnEmptyListOpenNoMenu) {
  {
    WindowWatcher menu("#32768", nullptr, [](HWND m) { PostMessageA(m, WM_KEYDOWN, VK_ESCAPE, 0); });
    Click(RowY(2), MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    EXPECT_EQ(menu.Seen(), 0) << "empty list";
    EXPECT_EQ(form->List1.ListIndex(), -1);
  }
  Gather(*form);
  WindowWatcher menu("#32768", nullptr, [](HWND m) { PostMessageA(m, WM_KEYDOWN, VK_ESCAPE, 0); });
  Click(RowY(2), MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP);
  EXPECT_EQ(form->List1.ListIndex(), -1) << "a middle press selects nothing";
  Click(RowY(2), MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
  EXPECT_EQ(menu.Seen(), 0);
}

TEST_F(ListMenu, ADoubleClickPreviewsAndCopiesTheName) {
  Gather(*form);
  form->List1.SetTopIndex(0);
  PutOnClipboard(form->Handle(), "before");
  Click(RowY(1), MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, /*twice=*/true);
  EXPECT_TRUE(Settle([&] { return ClipboardText(form->Handle()) == form->List1.Item(1); }, 3000))
      << "copied: " << testing::PrintToString(ClipboardText(form->Handle()));
  EXPECT_EQ(form->Text2.FontName(), form->List1.Item(1));
}

TEST_F(ListMenu, TheFileNameCopyGivesOneLinePerRegistryValue) {
  AddName(form->List1, L"Gbx Menu");
  form->List1.SetListIndex(0);
  form->m_List_Copy_Click(1);
  const std::wstring text = ClipboardText(form->Handle());
  EXPECT_EQ(std::count(text.begin(), text.end(), L'\n'), 3);
  for (const wchar_t* file : {L"gbxmenu.ttf\r\n", L"gbxmenub.ttf\r\n", L"gbxmenui.ttf\r\n"})
    EXPECT_NE(text.find(file), std::wstring::npos) << testing::PrintToString(text);
}

TEST_F(ListMenu, ACharsetNameCopiesItselfButTheFilesOfItsFamily) {
  AddName(form->List1, L"Gbx Menu CE");
  form->List1.SetListIndex(0);
  form->m_List_Copy_Click(0);
  EXPECT_EQ(ClipboardText(form->Handle()), L"Gbx Menu CE");
  form->m_List_Copy_Click(1);
  const std::wstring files = ClipboardText(form->Handle());
  EXPECT_EQ(std::count(files.begin(), files.end(), L'\n'), 3) << testing::PrintToString(files);
  EXPECT_NE(files.find(L"gbxmenub.ttf\r\n"), std::wstring::npos);
}

TEST_F(ListMenu, JapaneseNamesReachTheClipboardInCodePage932AndAsThemselves) {
  AddName(form->List1, L"IPAゴシック");
  form->List1.SetListIndex(0);
  form->m_List_Copy_Click(0);
  ASSERT_TRUE(OpenClipboard(form->Handle()));
  const char* bytes = static_cast<const char*>(GlobalLock(GetClipboardData(CF_TEXT)));
  EXPECT_STREQ(bytes, "IPA\x83\x53\x83\x56\x83\x62\x83\x4E");
  GlobalUnlock(GetClipboardData(CF_TEXT));
  CloseClipboard();
  EXPECT_EQ(ClipboardText(form->Handle()), L"IPAゴシック") << "a Unicode program pastes it whatever the input language";
}

TEST_F(ListMenu, NothingPlacedOrNothingSelectedLeavesTheClipboardAlone) {
  PutOnClipboard(form->Handle(), "before");
  MessageBoxSeen seen;
  {
    WindowWatcher box("#32770", "Glyphora", [&](HWND b) { ReadAndAnswer(b, IDOK, seen); });
    AddName(form->List1, L"Gbx Unplaced");
    form->List1.SetListIndex(0);
    form->m_List_Copy_Click(1);
    EXPECT_EQ(box.Seen(), 1);
  }
  EXPECT_EQ(seen.text, L"フォント情報を取得できませんでした");
  EXPECT_EQ(ClipboardText(form->Handle()), L"before");

  WindowWatcher none("#32770", "Glyphora", [](HWND b) { PostMessageA(b, WM_COMMAND, IDOK, 0); });
  form->List1.SetListIndex(-1);
  form->m_List_Copy_Click(1);
  EXPECT_EQ(none.Seen(), 0) << "no selection: no scan, no message";
  EXPECT_EQ(ClipboardText(form->Handle()), L"before");
  form->m_List_Copy_Click(2);
  EXPECT_EQ(ClipboardText(form->Handle()), L"before") << "the separator does nothing";
}

// Narrowed to the faces that hold every character of the preview, the list follows the text
// as it is pasted and every search, says why it is empty, and the menu on the empty list
// ends the narrowing.
TEST_F(ListMenu, NarrowedToThePreviewsCharactersTheListFollowsThemUntilItEnds) {
  const std::vector<std::wstring> all{L"Gbx Kana", L"Gbx Latin", L"Gbx Sushi"};
  ASSERT_EQ(Search(*form, L"Gbx [KLS]*"), all);
  form->m_List_Narrow_Click();
  EXPECT_TRUE(GetMenuState(form->m_List.Handle(), 5, MF_BYPOSITION) & MF_CHECKED);
  struct Row {
    const wchar_t* text;
    std::vector<std::wstring> listed;
  };
  const Row rows[] = {
      {L"Aa", {L"Gbx Latin"}},
      {L"かな\r\nの", {L"Gbx Kana"}},
      {L"\U00020BB7野家 \U0001F363", {L"Gbx Sushi"}},  // two of them through the face's format-12 map
      {L"\u32FF", {}},
  };
  for (const Row& r : rows) {
    PutOnClipboard(form->Handle(), r.text);
    form->Text2.Focus();
    form->Text2.Send(EM_SETSEL, 0, -1);
    input::PressKeyAndWait('V', &Pump, false, false, true);
    EXPECT_TRUE(Settle([&] { return Items(form->List1) == r.listed; }, 3000))
        << testing::PrintToString(std::wstring(r.text)) << " lists " << testing::PrintToString(Items(form->List1));
  }
  EXPECT_TRUE(ShowsColour(form->List1.Handle(), form->List1.Client(), GetSysColor(COLOR_GRAYTEXT))) << "it says why";
  WindowWatcher menu("#32768", nullptr, [](HWND m) { PostMessageW(m, WM_CHAR, L'v', 0); });
  Click(RowY(0), MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
  ASSERT_TRUE(Settle([&] { return menu.Seen() > 0 && NoMenuShown(); }, 3000)) << "the menu opened on the empty list";
  EXPECT_EQ(Items(form->List1), all) << "and ended the narrowing";

  form->m_List_Narrow_Click();
  form->Text2.SetText(L"Aa");
  EXPECT_EQ(Search(*form, L"Gbx [B-L]*"),
            (std::vector<std::wstring>{L"Gbx Beta 1", L"Gbx Beta 10", L"Gbx Beta 2", L"Gbx Gamma]", L"Gbx Latin"}))
      << "a search narrowed";
}
