// The font list's right click, its menu, the double click and what lands on the clipboard.
#include "harness.h"

#include <string>

#include "support/files.h"
#include "support/registry.h"
#include "support/watcher.h"

namespace {

BOOL CALLBACK FindVisibleMenu(HWND hwnd, LPARAM found) {
  char cls[16] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == GetCurrentProcessId() && strcmp(cls, "#32768") == 0 && IsWindowVisible(hwnd)) {
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
  }
  return TRUE;
}

// A closed menu takes a moment to let go of the mouse; the next click waits for that.
bool NoMenuShown() {
  bool found = false;
  EnumWindows(&FindVisibleMenu, reinterpret_cast<LPARAM>(&found));
  return !found;
}

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

  static constexpr std::pair<const char*, const char*> kFamily[] = {
      {"Gbx Menu (TrueType)", "gbxmenu.ttf"},
      {"Gbx Menu Bold (TrueType)", "gbxmenub.ttf"},
      {"Gbx Menu Italic (TrueType)", "gbxmenui.ttf"},
  };
};

TEST_F(ListMenu, ARightClickSelectsTheRowUnderThePointerPreviewsItAndOpensTheMenu) {
  Gather(*form);
  ASSERT_GT(form->List1.Count(), 20);
  // 9-point list font: rows of 180 twips, which is 12 pixels here.
  ASSERT_EQ(SendMessageA(form->List1.Handle(), LB_GETITEMHEIGHT, 0, 0), 12);
  struct Row {
    int top, yPixels, selected;
  };
  const Row rows[] = {{0, 1, 0}, {0, 11, 0}, {0, 12, 1}, {3, 26, 5}, {2, 40, 5}, {4, 100, 12}};
  for (const Row& r : rows) {
    form->List1.SetTopIndex(r.top);
    ASSERT_EQ(form->List1.TopIndex(), r.top);
    std::wstring item;
    WindowWatcher menu("#32768", nullptr, [&](HWND m) { PostMessageA(m, WM_KEYDOWN, VK_ESCAPE, 0); });
    Click(r.yPixels, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    Settle([&] { return menu.Seen() > 0; }, 3000);
    EXPECT_EQ(menu.Seen(), 1) << "the menu opened, y=" << r.yPixels;
    EXPECT_EQ(form->List1.ListIndex(), r.selected) << "top " << r.top << ", y=" << r.yPixels;
    const DWORD hit = static_cast<DWORD>(SendMessageA(form->List1.Handle(), LB_ITEMFROMPOINT, 0, MAKELPARAM(20, r.yPixels)));
    EXPECT_EQ(LOWORD(hit), r.selected) << "the row chosen is the row under the pointer";
    EXPECT_EQ(form->Text2.FontName(), form->List1.Item(r.selected)) << "and it is previewed";
    EXPECT_EQ(GetFocus(), form->List1.Handle());
    // The next click comes once the menu is gone (it may come as a double click: to the
    // list that is a press like any other).
    Settle(&NoMenuShown, 3000);
  }
}

TEST_F(ListMenu, AQuickSecondRightClickOpensTheMenuAgain) {
  Gather(*form);
  form->List1.SetTopIndex(0);
  WindowWatcher menu("#32768", nullptr, [](HWND m) { PostMessageA(m, WM_KEYDOWN, VK_ESCAPE, 0); });
  Click(30, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
  Settle([&] { return menu.Seen() == 1 && NoMenuShown(); }, 3000);
  // Within the double-click time the system reports this press as a double click.
  Click(30, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
  Settle([&] { return menu.Seen() == 2; }, 3000);
  EXPECT_EQ(menu.Seen(), 2);
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
  Click(30, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
  Settle([&] { return menu.Seen() > 0; }, 3000);
  Pump();
  EXPECT_EQ(ClipboardText(form->Handle()), form->List1.Item(2));
}

TEST_F(ListMenu, OtherPressesAndAnEmptyListOpenNoMenu) {
  {
    WindowWatcher menu("#32768", nullptr, [](HWND m) { PostMessageA(m, WM_KEYDOWN, VK_ESCAPE, 0); });
    Click(30, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    EXPECT_EQ(menu.Seen(), 0) << "empty list";
    EXPECT_EQ(form->List1.ListIndex(), -1);
  }
  Gather(*form);
  WindowWatcher menu("#32768", nullptr, [](HWND m) { PostMessageA(m, WM_KEYDOWN, VK_ESCAPE, 0); });
  Click(30, MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP);
  EXPECT_EQ(form->List1.ListIndex(), -1) << "a middle press selects nothing";
  Click(30, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
  EXPECT_EQ(menu.Seen(), 0);
}

TEST_F(ListMenu, ADoubleClickPreviewsAndCopiesTheName) {
  Gather(*form);
  form->List1.SetTopIndex(0);
  PutOnClipboard(form->Handle(), "before");
  Click(18, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, /*twice=*/true);
  Settle([&] { return ClipboardText(form->Handle()) != L"before"; }, 3000);
  EXPECT_EQ(ClipboardText(form->Handle()), form->List1.Item(1));
  EXPECT_EQ(form->Text2.FontName(), form->List1.Item(1));
}

TEST_F(ListMenu, TheFileNameCopyGivesOneLinePerRegistryValue) {
  form->List1.AddItem(L"Gbx Menu");
  form->List1.SetListIndex(0);
  form->m_List_Copy_Click(1);
  const std::wstring text = ClipboardText(form->Handle());
  EXPECT_EQ(std::count(text.begin(), text.end(), L'\n'), 3);
  for (const wchar_t* file : {L"gbxmenu.ttf\r\n", L"gbxmenub.ttf\r\n", L"gbxmenui.ttf\r\n"})
    EXPECT_NE(text.find(file), std::wstring::npos) << testing::PrintToString(text);
}

TEST_F(ListMenu, ACharsetNameCopiesItselfButTheFilesOfItsFamily) {
  form->List1.AddItem(L"Gbx Menu CE");
  form->List1.SetListIndex(0);
  form->m_List_Copy_Click(0);
  EXPECT_EQ(ClipboardText(form->Handle()), L"Gbx Menu CE");
  form->m_List_Copy_Click(1);
  const std::wstring files = ClipboardText(form->Handle());
  EXPECT_EQ(std::count(files.begin(), files.end(), L'\n'), 3) << testing::PrintToString(files);
  EXPECT_NE(files.find(L"gbxmenub.ttf\r\n"), std::wstring::npos);
}

TEST_F(ListMenu, JapaneseNamesReachTheClipboardInCodePage932) {
  form->List1.AddItem(L"IPAゴシック");
  form->List1.SetListIndex(0);
  form->m_List_Copy_Click(0);
  ASSERT_TRUE(OpenClipboard(form->Handle()));
  const char* bytes = static_cast<const char*>(GlobalLock(GetClipboardData(CF_TEXT)));
  EXPECT_STREQ(bytes, "IPA\x83\x53\x83\x56\x83\x62\x83\x4E");
  GlobalUnlock(GetClipboardData(CF_TEXT));
  CloseClipboard();
}

TEST_F(ListMenu, NothingPlacedOrNothingSelectedLeavesTheClipboardAlone) {
  PutOnClipboard(form->Handle(), "before");
  MessageBoxSeen seen;
  {
    WindowWatcher box("#32770", "Glyphora", [&](HWND b) { ReadAndAnswer(b, IDOK, seen); });
    form->List1.AddItem(L"Gbx Unplaced");
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
