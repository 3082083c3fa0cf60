// The real Glyphbox.exe, started and driven from this process as a user's tools would.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "paths.h"
#include "support/files.h"
#include "support/fontinstall.h"
#include "support/input.h"
#include "support/oracle.h"
#include "support/registry.h"
#include "support/screenshot.h"
#include "ui/window.h"

namespace {

HWND ChildWithText(HWND parent, const wchar_t* text) {
  return input::FindChild(parent, [&](HWND c) {
    wchar_t got[64] = {};
    GetWindowTextW(c, got, 64);
    return std::wstring(got) == text;
  });
}

HWND ChildOfClass(HWND parent, const char* cls) { return FindWindowExA(parent, nullptr, cls, nullptr); }

// The one edit field that lies in a panel: the size box.
HWND SizeBox(HWND main) {
  return input::FindChild(main, [](HWND c) {
    char cls[32] = {}, parent[32] = {};
    GetClassNameA(c, cls, sizeof cls);
    GetClassNameA(GetParent(c), parent, sizeof parent);
    return lstrcmpiA(cls, "Edit") == 0 && std::string(parent) == "GlyphboxPanel";
  });
}

// Asked of the window itself: GetWindowText reads only the caption of another process's window.
std::wstring WindowText(HWND hwnd) {
  wchar_t text[64] = {};
  SendMessageW(hwnd, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text));
  return text;
}

// Read across processes with the W messages: the A ones come back as UTF-16 under Wine.
std::vector<std::wstring> ListItems(HWND list) {
  std::vector<std::wstring> items;
  const LRESULT n = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < n; ++i) {
    std::wstring s(SendMessageW(list, LB_GETTEXTLEN, i, 0) + 1, L'\0');
    s.resize(SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(s.data())));
    items.push_back(s);
  }
  return items;
}

void Idle() { Sleep(0); }

// A process started now loads the installed fonts the way the program did; ask one of those
// (this executable again) which faces it sees.
constexpr char kFacesFlag[] = "--list-faces";

std::vector<std::wstring> FacesOfANewProcess() {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  const std::string out = std::string(GBX_ARTIFACTS) + "\\faces.txt";
  std::string cmd = std::string("\"") + self + "\" " + kFacesFlag + " \"" + out + "\"";
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return {};
  WaitForSingleObject(pi.hProcess, 30000);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  std::vector<std::wstring> faces;
  if (FILE* f = fopen(out.c_str(), "rb")) {
    std::wstring line;
    for (wchar_t c; fread(&c, sizeof c, 1, f) == 1;) {
      if (c == L'\n') {
        faces.push_back(line);
        line.clear();
      } else {
        line += c;
      }
    }
    fclose(f);
  }
  return faces;
}

int WriteFaces(const char* path) {
  FILE* f = fopen(path, "wb");
  if (!f) return 1;
  for (const auto& face : oracle::DistinctFaces()) {
    fwrite(face.data(), sizeof(wchar_t), face.size(), f);
    fwrite(L"\n", sizeof(wchar_t), 1, f);
  }
  return fclose(f) == 0 ? 0 : 1;
}

class Program : public testing::Test {
 protected:
  void SetUp() override {
    SetCursorPos(0, 0);  // no tooltip in the screenshot from wherever earlier tests left the mouse
    STARTUPINFOA si{};
    si.cb = sizeof si;
    std::string cmd = std::string("\"") + GBX_EXE + "\"";
    ASSERT_TRUE(CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_))
        << "cannot start " << GBX_EXE;
    ASSERT_TRUE(input::WaitUntil(
        [&] {
          main_ = FindWindowA("GlyphboxForm", "Glyphora");
          return main_ && IsWindowVisible(main_);
        },
        &Idle, 20000))
        << "no Glyphora window";
  }
  void TearDown() override {
    if (pi_.hProcess) {
      if (main_ && IsWindow(main_)) PostMessageA(main_, WM_CLOSE, 0, 0);
      if (WaitForSingleObject(pi_.hProcess, 15000) != WAIT_OBJECT_0) TerminateProcess(pi_.hProcess, 1);
      CloseHandle(pi_.hThread);
      CloseHandle(pi_.hProcess);
    }
  }

  // Clicks the gather button and returns the list once it is filled and shown again.
  HWND Gather() {
    HWND gather = ChildWithText(main_, L"かき集める"), list = ChildOfClass(main_, "ListBox");
    PostMessageA(gather, BM_CLICK, 0, 0);
    EXPECT_TRUE(input::WaitUntil(
        [&] { return IsWindowVisible(list) && IsWindowEnabled(gather) && SendMessageW(list, LB_GETCOUNT, 0, 0) > 0; },
        &Idle, 30000)) << "gathered";
    return list;
  }

  PROCESS_INFORMATION pi_{};
  HWND main_ = nullptr;
};

}  // namespace

// The test fonts are in the fonts folder before the program starts, so it loads them itself.
class FontsEnvironment : public testing::Environment {
 public:
  void SetUp() override { fonts_ = new TestFonts(TestFonts::Reach::NewProcesses); }
  void TearDown() override { delete fonts_; }

 private:
  TestFonts* fonts_ = nullptr;
};

TEST_F(Program, GatherFillsTheListThatAnotherProcessReadsBack) {
  EXPECT_EQ(SendMessageW(ChildOfClass(main_, "ListBox"), LB_GETCOUNT, 0, 0), 0) << "the list starts empty";
  HWND list = Gather();

  const auto items = ListItems(list);
  const auto faces = FacesOfANewProcess();
  ASSERT_FALSE(faces.empty());
  EXPECT_EQ(items.size(), faces.size()) << testing::PrintToString(items) << "\n" << testing::PrintToString(faces);
  for (const wchar_t* family : {L"Gbx Beta 1", L"Gbx Beta 2", L"Gbx Beta 10", L"Gbx Gamma]"}) {
    int hits = 0;
    for (const auto& i : items) hits += i == family;
    EXPECT_EQ(hits, 1) << testing::PrintToString(std::wstring(family));
  }
  size_t vertical = 0;
  while (vertical < items.size() && items[vertical][0] == L'@') ++vertical;
  // Scrolled past the vertical names, as far as a list box scrolls (never past its last page).
  RECT client;
  GetClientRect(list, &client);
  const LRESULT rows = client.bottom / SendMessageW(list, LB_GETITEMHEIGHT, 0, 0);
  const LRESULT lastPage = std::max<LRESULT>(0, static_cast<LRESULT>(items.size()) - rows);
  EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), std::min<LRESULT>(vertical, lastPage));

  // Select an entry as a click would (the list tells its parent): the program previews it,
  // and the first preview writes the size it applies into the empty size box.
  LRESULT pick = SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"DejaVu Serif"));
  if (pick == LB_ERR) pick = static_cast<LRESULT>(vertical);
  HWND sizeBox = SizeBox(main_);
  ASSERT_TRUE(sizeBox);
  EXPECT_EQ(WindowText(sizeBox), L"");
  SendMessageW(list, LB_SETCURSEL, pick, 0);
  SendMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
  EXPECT_EQ(WindowText(sizeBox), L"9");

  // Everything painted, keep what the user sees.
  RedrawWindow(main_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  const std::string shot = std::string(GBX_ARTIFACTS) + "\\glyphbox-after-gather.bmp";
  EXPECT_TRUE(SaveWindowScreenshot(main_, shot.c_str())) << shot;
}

TEST_F(Program, TheAboutButtonOpensTheAboutWindowAndOkClosesIt) {
  SetForegroundWindow(main_);
  HWND button = input::PanelOfSize(main_, ui::XToPixels(1455), ui::YToPixels(345));
  ASSERT_TRUE(button);
  input::ClickFlatButton(button, &Idle);
  HWND about = nullptr;
  ASSERT_TRUE(input::WaitUntil([&] {
    about = FindWindowA("GlyphboxForm", "");
    return about && IsWindowVisible(about);
  }, &Idle, 10000)) << "the about window opened";
  EXPECT_FALSE(IsWindowEnabled(main_)) << "the main window takes no input while it is open";
  // The slide-in is over once the icon, the last to move, has dropped to its place.
  HWND icon = nullptr;
  EXPECT_TRUE(input::WaitUntil([&] {
    icon = icon ? icon : input::PanelOfSize(about, ui::XToPixels(540), ui::YToPixels(540));
    RECT r{};
    GetWindowRect(icon, &r);
    MapWindowPoints(HWND_DESKTOP, about, reinterpret_cast<POINT*>(&r), 2);
    return icon && r.top == ui::YToPixels(120);
  }, &Idle, 5000)) << "the icon reached its place";
  RedrawWindow(about, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  const std::string shot = std::string(GBX_ARTIFACTS) + "\\glyphbox-about.bmp";
  EXPECT_TRUE(SaveWindowScreenshot(main_, shot.c_str()));
  HWND ok = input::PanelOfSize(about, ui::XToPixels(855), ui::YToPixels(375));
  ASSERT_TRUE(ok);
  input::ClickFlatButton(ok, &Idle);
  EXPECT_TRUE(input::WaitUntil([&] { return !IsWindow(about) && IsWindowEnabled(main_); }, &Idle, 5000));
}

TEST_F(Program, ClosingTheWindowEndsTheProgram) {
  PostMessageA(main_, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForSingleObject(pi_.hProcess, 15000), WAIT_OBJECT_0);
  DWORD code = 1;
  GetExitCodeProcess(pi_.hProcess, &code);
  EXPECT_EQ(code, 0u);
}

namespace {

// Opens the list's menu on the entry with the right mouse button and chooses an item by
// its access key, as a user would.
void Choose(DWORD process, HWND list, const wchar_t* entry, WORD accessKey) {
  const LRESULT index = SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(entry));
  ASSERT_NE(index, LB_ERR) << "not listed";
  SendMessageW(list, LB_SETTOPINDEX, index, 0);
  const LRESULT height = SendMessageW(list, LB_GETITEMHEIGHT, 0, 0);
  POINT at{20, static_cast<LONG>((index - SendMessageW(list, LB_GETTOPINDEX, 0, 0)) * height + height / 2)};
  ClientToScreen(list, &at);
  // The keys go to the program only while its window is at the front.
  ASSERT_TRUE(input::MakeForeground(GetAncestor(list, GA_ROOT), &Idle)) << "the program has the keyboard";
  input::MoveMouse(at, &Idle);
  input::MouseButtons(MOUSEEVENTF_RIGHTDOWN);
  input::MouseButtons(MOUSEEVENTF_RIGHTUP);
  const DWORD thread = GetWindowThreadProcessId(list, nullptr);
  ASSERT_TRUE(input::WaitUntil([&] { return input::VisibleWindowOf(process, "#32768") && input::InMenu(thread); }, &Idle,
                               5000))
      << "the menu opened and takes the keyboard";
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), index) << "on the entry under the pointer";
  input::PressKey(accessKey);
  ASSERT_TRUE(input::WaitUntil([&] { return !input::VisibleWindowOf(process, "#32768"); }, &Idle, 5000))
      << "the menu took the key";
}

}  // namespace

// Last of the tests: it removes one of the fonts installed for them.
TEST_F(Program, TheMenuCopiesAFontsFileNamesAndRemovesIt) {
  SetForegroundWindow(main_);
  HWND list = Gather();
  OpenClipboard(nullptr);
  EmptyClipboard();
  CloseClipboard();
  Choose(pi_.dwProcessId, list, L"Gbx Beta 10", 'F');
  EXPECT_TRUE(input::WaitUntil([] { return ClipboardText(nullptr) == L"gbx-beta10.ttf\r\n"; }, &Idle, 5000))
      << "copied: " << testing::PrintToString(ClipboardText(nullptr));

  Choose(pi_.dwProcessId, list, L"Gbx Beta 10", 'D');
  HWND question = nullptr;
  ASSERT_TRUE(input::WaitUntil([&] { return (question = input::VisibleWindowOf(pi_.dwProcessId, "#32770", "Glyphora")); }, &Idle, 5000))
      << "the program asks first";
  PostMessageA(question, WM_COMMAND, IDYES, 0);
  EXPECT_TRUE(input::WaitUntil([] { return registry::FontValue("Gbx Beta 10 (TrueType)") == "<none>"; }, &Idle, 10000))
      << "the registry value is gone";
  const std::string trash = TrashFolder() + "\\files\\gbx-beta10.ttf";
  EXPECT_TRUE(input::WaitUntil([&] { return Contents(trash) == Contents(std::string(GBX_FONTS_DIR) + "\\gbx-beta10.ttf"); },
                               &Idle, 10000)) << "the file is in the recycle bin, whole";
  EXPECT_EQ(Contents(FontsFolder() + "gbx-beta10.ttf"), "<missing>");
  EmptyFolder(TrashFolder() + "\\files");
  EmptyFolder(TrashFolder() + "\\info");
}

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == kFacesFlag) return WriteFaces(argv[2]);
  testing::InitGoogleTest(&argc, argv);
  testing::AddGlobalTestEnvironment(new FontsEnvironment);
  return RUN_ALL_TESTS();
}
