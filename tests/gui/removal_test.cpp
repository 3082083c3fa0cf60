// Removing fonts for real: registry, font files, the recycle bin of the test prefix, the
// list and the preview, with the dialogs answered from the test.
#include "harness.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <thread>
#include <string>
#include <vector>

#include "fonts/fontreg.h"
#include "paths.h"
#include "support/watcher.h"

namespace {

constexpr char kFontsKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";

struct FontFile {
  const char* value;  // registry value name
  const char* file;   // file in tests/fonts, installed under the same name
};

std::string FontsFolderA() {
  char windir[MAX_PATH] = {};
  GetWindowsDirectoryA(windir, MAX_PATH);
  return std::string(windir) + "\\Fonts\\";
}

// The test prefix's recycle bin, as Wine keeps it: $XDG_DATA_HOME/Trash/files.
std::string TrashFolder() {
  char unixPath[MAX_PATH] = {};
  GetEnvironmentVariableA("XDG_DATA_HOME", unixPath, MAX_PATH);
  std::string path = std::string("Z:") + unixPath + "/Trash";
  for (auto& c : path)
    if (c == '/') c = '\\';
  return path;
}

std::string Contents(const std::string& path) {
  std::string bytes;
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return "<missing>";
  char buffer[65536];
  DWORD got = 0;
  while (::ReadFile(h, buffer, sizeof buffer, &got, nullptr) && got) bytes.append(buffer, got);
  CloseHandle(h);
  return bytes;
}

std::string RegistryValue(const char* name) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kFontsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return "<no key>";
  char data[1024] = {};
  DWORD size = sizeof data - 1;
  const LONG r = RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size);
  RegCloseKey(key);
  return r == ERROR_SUCCESS ? std::string(data) : "<none>";
}

void SetRegistryValue(const char* name, const std::string& data) {
  HKEY key;
  RegCreateKeyExA(HKEY_LOCAL_MACHINE, kFontsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()), static_cast<DWORD>(data.size() + 1));
  RegCloseKey(key);
}

void DeleteRegistryValue(const char* name) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kFontsKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
  RegDeleteValueA(key, name);
  RegCloseKey(key);
}

void EmptyFolder(const std::string& folder) {
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return;
  do {
    if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileA((folder + "\\" + fd.cFileName).c_str());
  } while (FindNextFileA(h, &fd));
  FindClose(h);
}

// Everything a removal may touch, to compare before and after.
struct World {
  std::map<std::string, std::string> registry, fontsFolder, trash;
  bool operator==(const World&) const = default;
};

}  // namespace

class Removal : public MainWindow {
 protected:
  void SetUp() override {
    // The machine's own fonts are visible through Z:. Refuse to remove anything outside a
    // throwaway prefix of the build tree.
    char prefix[MAX_PATH] = {};
    GetEnvironmentVariableA("WINEPREFIX", prefix, MAX_PATH);
    ASSERT_NE(std::string(prefix).find("/test-env/"), std::string::npos)
        << "removal tests run only in the test prefix, not in " << prefix;
    EmptyFolder(TrashFolder() + "\\files");
    EmptyFolder(TrashFolder() + "\\info");
    MainWindow::SetUp();
    ASSERT_TRUE(input::MakeForeground(form->Handle(), &Pump));
  }
  void TearDown() override {
    MainWindow::TearDown();
    for (const FontFile& f : installed_) {
      while (RemoveFontResourceA((FontsFolderA() + f.file).c_str())) {
      }
      DeleteRegistryValue(f.value);
      DeleteFileA((FontsFolderA() + f.file).c_str());
    }
    EmptyFolder(TrashFolder() + "\\files");
    EmptyFolder(TrashFolder() + "\\info");
  }

  void Install(std::initializer_list<FontFile> files) {
    for (const FontFile& f : files) {
      const std::string to = FontsFolderA() + f.file;
      ASSERT_TRUE(CopyFileA((std::string(GBX_FONTS_DIR) + "\\" + f.file).c_str(), to.c_str(), FALSE)) << f.file;
      SetRegistryValue(f.value, f.file);
      AddFontResourceA(to.c_str());
      installed_.push_back(f);
    }
  }

  // Everything the removal must not lose: each installed file's bytes, wherever they are.
  World Snapshot() const {
    World w;
    for (const FontFile& f : installed_) {
      w.registry[f.value] = RegistryValue(f.value);
      w.fontsFolder[f.file] = Contents(FontsFolderA() + f.file);
      w.trash[f.file] = Contents(TrashFolder() + "\\files\\" + f.file);
    }
    return w;
  }

  std::string Original(const char* file) const { return Contents(std::string(GBX_FONTS_DIR) + "\\" + file); }
  std::string InFontsFolder(const char* file) const { return Contents(FontsFolderA() + file); }
  std::string InTrash(const char* file) const { return Contents(TrashFolder() + "\\files\\" + file); }

  void Gather() {
    SendMessageA(form->Command1.Handle(), BM_CLICK, 0, 0);
    Pump();
  }
  void SearchFor(const wchar_t* text) {
    form->Combo1.SetText(text);
    form->EnumFont0(1);
  }
  int IndexOf(const wchar_t* name) const {
    for (int i = 0; i < form->List1.Count(); ++i)
      if (form->List1.Item(i) == name) return i;
    return -1;
  }
  void Select(const wchar_t* name) {
    const int i = IndexOf(name);
    ASSERT_GE(i, 0) << "not listed: " << testing::PrintToString(std::wstring(name));
    form->List1.SetListIndex(i);
    form->List1_Click();
  }
  std::wstring SelectedText() const {
    const int i = form->List1.ListIndex();
    return i >= 0 ? form->List1.Item(i) : L"";
  }

  // Runs the removal from the menu, answering our question with `answer` and any dialog
  // of the shell with No; returns what the program said.
  std::vector<MessageBoxSeen> Remove(int answer, bool byDeleteKey = false) {
    std::vector<MessageBoxSeen> said;
    std::mutex m;
    WindowWatcher ours("#32770", "Glyphora", [&](HWND box) {
      MessageBoxSeen seen;
      ReadAndAnswer(box, GetDlgItem(box, IDYES) ? answer : IDOK, seen);
      std::lock_guard<std::mutex> lock(m);
      said.push_back(seen);
    });
    WindowWatcher shell("#32770", nullptr, [&](HWND box) {
      wchar_t title[128] = {};
      InternalGetWindowText(box, title, 128);
      if (std::wstring(title) == L"Glyphora") return;
      ++shellDialogs_;
      PostMessageA(box, WM_COMMAND, IDNO, 0);
    });
    if (byDeleteKey) {
      form->List1.Focus();
      input::PressKey(VK_DELETE);
      Settle([] { return GetKeyState(VK_DELETE) >= 0; }, 3000);
      Settle([&] {
        std::lock_guard<std::mutex> lock(m);
        return !said.empty();
      }, 3000);
      Pump();
    } else {
      form->m_List_Remove_Click();
    }
    std::lock_guard<std::mutex> lock(m);
    return said;
  }

  std::vector<FontFile> installed_;
  int shellDialogs_ = 0;
};

TEST_F(Removal, AOneFileFontGoesToTheRecycleBinAndTheEntryAboveIsSelected) {
  Install({{"Gbx Solo (TrueType)", "gbx-solo.ttf"}});
  Gather();
  Select(L"Gbx Solo");
  const int index = form->List1.ListIndex();
  const std::wstring above = form->List1.Item(index - 1);
  const int top = form->List1.TopIndex();
  const auto said = Remove(IDYES);
  ASSERT_EQ(said.size(), 1u);
  EXPECT_EQ(said[0].text, L"Gbx Solo (TrueType)\r\nこれらのフォントを削除しますか？\r\n\r\n※削除したファイルはごみ箱に移動します。");
  EXPECT_TRUE(said[0].questionIcon);
  EXPECT_EQ(RegistryValue("Gbx Solo (TrueType)"), "<none>");
  EXPECT_EQ(InFontsFolder("gbx-solo.ttf"), "<missing>");
  EXPECT_EQ(InTrash("gbx-solo.ttf"), Original("gbx-solo.ttf")) << "the file is in the recycle bin, whole";
  EXPECT_EQ(IndexOf(L"Gbx Solo"), -1) << "the list was gathered again";
  EXPECT_EQ(SelectedText(), above);
  EXPECT_EQ(form->Text2.FontName(), above);
  // The scroll position survives, as far as the shorter list lets a list box scroll.
  RECT client;
  GetClientRect(form->List1.Handle(), &client);
  const int rows = client.bottom / static_cast<int>(SendMessageA(form->List1.Handle(), LB_GETITEMHEIGHT, 0, 0));
  EXPECT_EQ(form->List1.TopIndex(), std::min(top, std::max(0, form->List1.Count() - rows)));
  EXPECT_EQ(GetFocus(), form->List1.Handle());
}

TEST_F(Removal, AFamilyOfFourStylesGoesInOneOperation) {
  Install({{"Gbx Quad (TrueType)", "gbx-quad.ttf"},
           {"Gbx Quad Bold (TrueType)", "gbx-quadb.ttf"},
           {"Gbx Quad Italic (TrueType)", "gbx-quadi.ttf"},
           {"Gbx Quad Bold Italic (TrueType)", "gbx-quadz.ttf"}});
  SearchFor(L"gbx");
  Select(L"Gbx Quad");
  const auto said = Remove(IDYES);
  ASSERT_EQ(said.size(), 1u);
  for (const wchar_t* line : {L"Gbx Quad (TrueType)\r\n", L"Gbx Quad Bold (TrueType)\r\n", L"Gbx Quad Italic (TrueType)\r\n",
                              L"Gbx Quad Bold Italic (TrueType)\r\n"})
    EXPECT_NE(said[0].text.find(line), std::wstring::npos) << testing::PrintToString(said[0].text);
  for (const char* file : {"gbx-quad.ttf", "gbx-quadb.ttf", "gbx-quadi.ttf", "gbx-quadz.ttf"}) {
    EXPECT_EQ(InFontsFolder(file), "<missing>") << file;
    EXPECT_EQ(InTrash(file), Original(file)) << file;
  }
  EXPECT_EQ(RegistryValue("Gbx Quad Bold Italic (TrueType)"), "<none>");
  EXPECT_EQ(form->strPattern, L"*gbx*") << "the filter is kept";
}

TEST_F(Removal, ACollectionAndABitmapFontAreOneValueEach) {
  Install({{"Gbx CollA & Gbx CollB (TrueType)", "gbx-coll.ttc"}, {"Gbx Omega 8,10,12 (VGA res)", "gbx-omega.fon"}});
  SearchFor(L"gbx coll");
  Select(L"Gbx CollB");
  auto said = Remove(IDYES);
  ASSERT_EQ(said.size(), 1u);
  EXPECT_EQ(said[0].text.substr(0, said[0].text.find(L"\r\n")), L"Gbx CollA & Gbx CollB (TrueType)");
  EXPECT_EQ(InTrash("gbx-coll.ttc"), Original("gbx-coll.ttc"));
  EXPECT_EQ(RegistryValue("Gbx CollA & Gbx CollB (TrueType)"), "<none>");

  form->List1.AddItem(L"Gbx Omega");  // not a loadable font: the registry still places it
  Select(L"Gbx Omega");
  said = Remove(IDYES);
  ASSERT_EQ(said.size(), 1u);
  EXPECT_EQ(said[0].text.substr(0, said[0].text.find(L"\r\n")), L"Gbx Omega 8,10,12 (VGA res)");
  EXPECT_EQ(InTrash("gbx-omega.fon"), Original("gbx-omega.fon"));
}

TEST_F(Removal, NoChangesNothing) {
  Install({{"Gbx Solo (TrueType)", "gbx-solo.ttf"}});
  Gather();
  Select(L"Gbx Solo");
  const World before = Snapshot();
  const int count = form->List1.Count();
  const auto said = Remove(IDNO);
  EXPECT_EQ(said.size(), 1u);
  EXPECT_EQ(Snapshot(), before);
  EXPECT_EQ(form->List1.Count(), count);
  EXPECT_EQ(SelectedText(), L"Gbx Solo");
  EXPECT_EQ(form->Text2.FontName(), L"Gbx Solo");
  EXPECT_EQ(GetFocus(), form->List1.Handle());
}

TEST_F(Removal, TheFirstEntryLeavesThePreviewOnSystemAndNothingSelected) {
  Install({{"Gbx Solo (TrueType)", "gbx-solo.ttf"}, {"Gbx Quad (TrueType)", "gbx-quad.ttf"}});
  SearchFor(L"Gbx [QS]*");
  ASSERT_EQ(form->List1.Item(0), L"Gbx Quad");
  Select(L"Gbx Quad");
  Remove(IDYES);
  EXPECT_EQ(form->List1.ListIndex(), -1);
  EXPECT_EQ(form->Text2.FontName(), L"System");
  EXPECT_EQ(form->List1.Count(), 1);
}

TEST_F(Removal, TheNeighbourWalkPassesCharsetSiblings) {
  Install({{"Gbx Sib (TrueType)", "gbx-sib.ttf"},
           {"Gbx Sib Baltic (TrueType)", "gbx-sibbal.ttf"},
           {"Gbx Sib CE (TrueType)", "gbx-sibce.ttf"},
           {"Gbx Quad (TrueType)", "gbx-quad.ttf"}});
  SearchFor(L"Gbx [QS]*");
  ASSERT_EQ(form->List1.Item(0), L"Gbx Quad");
  Select(L"Gbx Sib CE");
  const auto said = Remove(IDYES);
  ASSERT_EQ(said.size(), 1u);
  EXPECT_EQ(said[0].text.substr(0, said[0].text.find(L"\r\n")), L"Gbx Sib (TrueType)") << "the family of Gbx Sib";
  EXPECT_EQ(SelectedText(), L"Gbx Quad") << "past Gbx Sib Baltic and Gbx Sib";
  EXPECT_EQ(InTrash("gbx-sib.ttf"), Original("gbx-sib.ttf"));
  EXPECT_EQ(InFontsFolder("gbx-sibbal.ttf"), Original("gbx-sibbal.ttf")) << "a charset sibling's own value is not taken";
}

TEST_F(Removal, AFileHeldOpenIsRegisteredAgainAndNamed) {
  Install({{"Gbx Quad (TrueType)", "gbx-quad.ttf"}, {"Gbx Quad Bold (TrueType)", "gbx-quadb.ttf"}});
  SearchFor(L"gbx quad");
  Select(L"Gbx Quad");
  HANDLE held = CreateFileA((FontsFolderA() + "gbx-quadb.ttf").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const auto said = Remove(IDYES);
  CloseHandle(held);
  ASSERT_EQ(said.size(), 2u);
  EXPECT_EQ(said[1].text, L"gbx-quadb.ttf を削除できませんでした。\r\n\r\nファイルが使用中の可能性があります。");
  EXPECT_TRUE(said[1].errorIcon);
  EXPECT_EQ(InFontsFolder("gbx-quadb.ttf"), Original("gbx-quadb.ttf")) << "the held file stays where it was";
  EXPECT_EQ(RegistryValue("Gbx Quad Bold (TrueType)"), "gbx-quadb.ttf") << "and is registered again";
  // The other file either went to the recycle bin or stayed and was registered again.
  if (InFontsFolder("gbx-quad.ttf") == "<missing>") {
    EXPECT_EQ(InTrash("gbx-quad.ttf"), Original("gbx-quad.ttf"));
    EXPECT_EQ(RegistryValue("Gbx Quad (TrueType)"), "<none>");
  } else {
    EXPECT_EQ(RegistryValue("Gbx Quad (TrueType)"), "gbx-quad.ttf");
  }
  EXPECT_EQ(SelectedText(), L"Gbx Quad");
  EXPECT_EQ(form->Text2.FontName(), L"Gbx Quad");
}

TEST_F(Removal, FilesAlreadyGoneGiveAMessageNamingNone) {
  Install({{"Gbx Solo (TrueType)", "gbx-solo.ttf"}});
  Gather();
  Select(L"Gbx Solo");
  RemoveFontResourceA((FontsFolderA() + "gbx-solo.ttf").c_str());
  DeleteFileA((FontsFolderA() + "gbx-solo.ttf").c_str());
  const auto said = Remove(IDYES);
  ASSERT_EQ(said.size(), 2u);
  EXPECT_EQ(said[1].text, L" を削除できませんでした。\r\n\r\nファイルが使用中の可能性があります。");
  EXPECT_EQ(RegistryValue("Gbx Solo (TrueType)"), "<none>") << "nothing to register again";
}

TEST_F(Removal, NothingIsChangedWhenAPathCannotBeUsed) {
  Install({{"Gbx Solo (TrueType)", "gbx-solo.ttf"}, {"Gbx Quad (TrueType)", "gbx-quad.ttf"}});
  SearchFor(L"Gbx [QS]*");
  struct Row {
    const char* what;
    const char* value;
    std::string data;
  };
  const Row rows[] = {
      {"a wildcard in the file name", "Gbx Solo Bold (TrueType)", "gbx-s?lo.ttf"},
      {"a star in the file name", "Gbx Solo Italic (TrueType)", "gbx-*.ttf"},
      {"a path longer than the shell takes", "Gbx Solo Regular", std::string(240, 'x') + ".ttf"},
      {"no file name at all: the fonts folder itself", "Gbx Solo Normal", ""},
  };
  for (const Row& r : rows) {
    SetRegistryValue(r.value, r.data);
    Select(L"Gbx Solo");
    const World before = Snapshot();
    const auto said = Remove(IDYES);
    DeleteRegistryValue(r.value);
    ASSERT_EQ(said.size(), 2u) << r.what;
    EXPECT_EQ(said[1].text, L"フォントを削除する準備ができませんでした。\r\n\r\nフォントは変更していません。") << r.what;
    EXPECT_TRUE(said[1].errorIcon) << r.what;
    EXPECT_EQ(Snapshot(), before) << r.what;
    EXPECT_EQ(form->Text2.FontName(), L"Gbx Solo") << r.what << ": not even the preview moved";
    EXPECT_EQ(InFontsFolder("gbx-quad.ttf"), Original("gbx-quad.ttf")) << r.what << ": the wildcard took nothing else";
  }
}

TEST_F(Removal, NothingIsChangedWhenTheFontsFolderIsUnknown) {
  Install({{"Gbx Solo (TrueType)", "gbx-solo.ttf"}});
  Gather();
  Select(L"Gbx Solo");
  const World before = Snapshot();
  mdl_RemoveFont::OverrideFontsFolderForTest(L"\\");
  const auto said = Remove(IDYES);
  mdl_RemoveFont::OverrideFontsFolderForTest(L"");
  ASSERT_EQ(said.size(), 2u);
  EXPECT_EQ(said[1].text, L"フォントを削除する準備ができませんでした。\r\n\r\nフォントは変更していません。");
  EXPECT_EQ(Snapshot(), before);
}

TEST_F(Removal, FullPathDataIsUsedAsThePath) {
  Install({{"Gbx Solo (TrueType)", "gbx-solo.ttf"}});
  SetRegistryValue("Gbx Solo (TrueType)", FontsFolderA() + "gbx-solo.ttf");
  Gather();
  Select(L"Gbx Solo");
  const auto said = Remove(IDYES);
  ASSERT_EQ(said.size(), 1u) << "no failure message";
  EXPECT_EQ(InTrash("gbx-solo.ttf"), Original("gbx-solo.ttf"));
  EXPECT_EQ(RegistryValue("Gbx Solo (TrueType)"), "<none>");
}

TEST_F(Removal, ARecycleBinThatCannotTakeTheFileNeverDeletesIt) {
  Install({{"Gbx Solo (TrueType)", "gbx-solo.ttf"}});
  Gather();
  Select(L"Gbx Solo");
  // A plain file where the bin's folder should be: nothing can be moved into it.
  const std::string trash = TrashFolder(), aside = trash + ".aside";
  ASSERT_TRUE(MoveFileA(trash.c_str(), aside.c_str()));
  HANDLE blocker = CreateFileA(trash.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  CloseHandle(blocker);
  const auto said = Remove(IDYES);
  DeleteFileA(trash.c_str());
  MoveFileA(aside.c_str(), trash.c_str());
  EXPECT_EQ(InFontsFolder("gbx-solo.ttf"), Original("gbx-solo.ttf")) << "the file is where it was";
  EXPECT_EQ(RegistryValue("Gbx Solo (TrueType)"), "gbx-solo.ttf") << "and registered again";
  ASSERT_EQ(said.size(), 2u);
  EXPECT_EQ(said[1].text, L"gbx-solo.ttf を削除できませんでした。\r\n\r\nファイルが使用中の可能性があります。");
  // Had the shell asked whether to delete for good instead, the watcher said No.
}

TEST_F(Removal, TheDeleteKeyDoesWhatTheMenuDoes) {
  Install({{"Gbx Solo (TrueType)", "gbx-solo.ttf"}});
  Gather();
  Select(L"Gbx Solo");
  const auto said = Remove(IDYES, /*byDeleteKey=*/true);
  ASSERT_EQ(said.size(), 1u);
  EXPECT_EQ(InTrash("gbx-solo.ttf"), Original("gbx-solo.ttf"));
}

TEST_F(Removal, WithoutASelectionNeitherTheKeyNorTheMenuDoesAnything) {
  Install({{"Gbx Solo (TrueType)", "gbx-solo.ttf"}});
  Gather();
  form->List1.SetListIndex(-1);
  const World before = Snapshot();
  EXPECT_TRUE(Remove(IDYES).empty());
  EXPECT_TRUE(Remove(IDYES, /*byDeleteKey=*/true).empty());
  EXPECT_EQ(Snapshot(), before);
}

TEST_F(Removal, AWindowThatDoesNotAnswerCannotHangTheRemoval) {
  Install({{"Gbx Solo (TrueType)", "gbx-solo.ttf"}});
  Gather();
  Select(L"Gbx Solo");
  // A top-level window whose thread stops answering messages.
  HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr), release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::thread hung([&] {
    HWND w = CreateWindowExA(0, "STATIC", "hung", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    SetEvent(ready);
    WaitForSingleObject(release, 60000);  // not pumping: every message to it waits
    DestroyWindow(w);
  });
  WaitForSingleObject(ready, 5000);
  const DWORD start = GetTickCount();
  const auto said = Remove(IDYES);
  const DWORD took = GetTickCount() - start;
  SetEvent(release);
  hung.join();
  CloseHandle(ready);
  CloseHandle(release);
  EXPECT_EQ(said.size(), 1u);
  EXPECT_EQ(InTrash("gbx-solo.ttf"), Original("gbx-solo.ttf"));
  EXPECT_LT(took, 15000u) << "the font-change broadcast gave up on the silent window";
}
