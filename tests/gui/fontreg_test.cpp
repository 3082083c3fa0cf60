// The registry table of installed fonts in the test prefix, and the path helpers.
#include "harness.h"

#include <shlobj.h>

#include <map>
#include <string>
#include <vector>

#include "fonts/fileexists.h"
#include "fonts/fontreg.h"
#include "support/watcher.h"

using namespace mdl_RemoveFont;

namespace {

constexpr char kFontsKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";

struct Value {
  const char* name;
  const char* data;
};
// A family of three, one value that only looks related, a collection and a bitmap font.
const Value kValues[] = {
    {"Gbx Reg (TrueType)", "gbxreg.ttf"},
    {"Gbx Reg Bold (TrueType)", "gbxregb.ttf"},
    {"Gbx Reg Black (TrueType)", "gbxregk.ttf"},
    {"Gbx Reg Italic (TrueType)", "gbxregi.ttf"},
    {"Beta & Gamma & Delta (TrueType)", "bgd.ttc"},
    {"Gbx Omega 8,10,12 (VGA res)", "GBXOMEGA.FON"},
};

std::map<std::string, std::string> Snapshot() {
  std::map<std::string, std::string> all;
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kFontsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return all;
  for (DWORD i = 0;; ++i) {
    char name[1024];
    BYTE data[2048];
    DWORD n = sizeof name, d = sizeof data;
    if (RegEnumValueA(key, i, name, &n, nullptr, nullptr, data, &d) != ERROR_SUCCESS) break;
    all[name] = std::string(reinterpret_cast<char*>(data), d);
  }
  RegCloseKey(key);
  return all;
}

// The registry's own enumeration order of the given value names.
std::vector<std::wstring> InEnumerationOrder(const std::vector<std::string>& names) {
  std::vector<std::wstring> order;
  HKEY key;
  RegOpenKeyExA(HKEY_LOCAL_MACHINE, kFontsKey, 0, KEY_READ, &key);
  for (DWORD i = 0;; ++i) {
    char name[1024];
    BYTE data[2048];
    DWORD n = sizeof name, d = sizeof data;
    if (RegEnumValueA(key, i, name, &n, nullptr, nullptr, data, &d) != ERROR_SUCCESS) break;
    for (const auto& want : names)
      if (want == name) {
        wchar_t w[256] = {};
        MultiByteToWideChar(932, 0, reinterpret_cast<char*>(data), -1, w, 256);
        order.push_back(w);
      }
  }
  RegCloseKey(key);
  return order;
}

std::vector<std::wstring> Files(const FontRegInfo& info) {
  std::vector<std::wstring> files;
  for (long i = 0; i <= info.lMax; ++i) files.push_back(info.Entries[i].strFileName);
  return files;
}

}  // namespace

class FontRegistry : public MainWindow {
 protected:
  static void SetUpTestSuite() {
    HKEY key;
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, kFontsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
    for (const Value& v : kValues)
      RegSetValueExA(key, v.name, 0, REG_SZ, reinterpret_cast<const BYTE*>(v.data), static_cast<DWORD>(strlen(v.data) + 1));
    RegCloseKey(key);
  }
  static void TearDownTestSuite() {
    HKEY key;
    RegOpenKeyExA(HKEY_LOCAL_MACHINE, kFontsKey, 0, KEY_SET_VALUE, &key);
    for (const Value& v : kValues) RegDeleteValueA(key, v.name);
    RegCloseKey(key);
  }

  FontRegInfo Lookup(std::wstring& name) { return GetFontRegInfo(name, form->Handle()); }
};

TEST_F(FontRegistry, AFamilysValuesComeInTheRegistrysOrder) {
  std::wstring name = L"Gbx Reg";
  const FontRegInfo info = Lookup(name);
  EXPECT_EQ(Files(info), InEnumerationOrder({"Gbx Reg (TrueType)", "Gbx Reg Bold (TrueType)", "Gbx Reg Italic (TrueType)"}));
  EXPECT_EQ(info.lMax, 2);
  EXPECT_EQ(name, L"Gbx Reg");
}

TEST_F(FontRegistry, ACharsetWordFindsTheSameFamilyAndIsCutFromTheName) {
  std::wstring name = L"Gbx Reg CE";
  const FontRegInfo info = Lookup(name);
  EXPECT_EQ(info.lMax, 2);
  EXPECT_EQ(name, L"Gbx Reg");
}

TEST_F(FontRegistry, CollectionsAndBitmapFontsAreSingleValues) {
  struct Row {
    const wchar_t* name;
    const wchar_t* file;
  };
  for (const Row& r : {Row{L"Beta", L"bgd.ttc"}, Row{L"Gamma", L"bgd.ttc"}, Row{L"Delta", L"bgd.ttc"},
                       Row{L"Gbx Omega", L"GBXOMEGA.FON"}}) {
    std::wstring name = r.name;
    EXPECT_EQ(Files(Lookup(name)), std::vector<std::wstring>{r.file}) << testing::PrintToString(std::wstring(r.name));
  }
}

TEST_F(FontRegistry, AFontTheRegistryCannotPlaceIsReportedToTheUser) {
  MessageBoxSeen seen;
  WindowWatcher watcher("#32770", "Glyphora", [&](HWND box) { ReadAndAnswer(box, IDOK, seen); });
  std::wstring name = L"Gbx Nowhere";
  const FontRegInfo info = Lookup(name);
  EXPECT_EQ(info.lMax, -1);
  EXPECT_EQ(watcher.Seen(), 1);
  EXPECT_EQ(seen.text, L"フォント情報を取得できませんでした");
  EXPECT_TRUE(seen.errorIcon);
  EXPECT_EQ(seen.buttons, L"OK");
}

TEST_F(FontRegistry, ScanningWritesNothingToTheRegistry) {
  const auto before = Snapshot();
  WindowWatcher watcher("#32770", "Glyphora", [](HWND box) { PostMessageA(box, WM_COMMAND, IDOK, 0); });
  for (const wchar_t* n : {L"Gbx Reg", L"Gbx Reg CE", L"Gamma", L"Gbx Omega", L"Gbx Nowhere"}) {
    std::wstring name = n;
    Lookup(name);
  }
  EXPECT_EQ(Snapshot(), before);
}

TEST(FontRegistryWalk, EveryCallGetsClearedBuffersAndFullSizes) {
  int calls = 0;
  bool alwaysFresh = true;
  std::wstring name = L"Alpha";
  const FontRegInfo info = ScanFontValues(name, [&](DWORD index, char* n, DWORD* nChars, BYTE* d, DWORD* dBytes) -> LONG {
    ++calls;
    alwaysFresh &= *nChars == 255 && *dBytes == 255;
    for (DWORD i = 0; i < 255; ++i) alwaysFresh &= n[i] == 0 && d[i] == 0;
    // Leave junk behind, as a real call may, and claim a shorter size.
    const char* names[] = {"Alpha (TrueType)", "Alpha Bold (TrueType)"};
    const char* files[] = {"alpha.ttf", "alphab.ttf"};
    if (index >= 2) return ERROR_NO_MORE_ITEMS;
    memset(n, 'x', 255);
    memset(d, 'y', 255);
    strcpy(n, names[index]);
    strcpy(reinterpret_cast<char*>(d), files[index]);
    *nChars = 3;
    *dBytes = 3;
    return index == 1 ? ERROR_MORE_DATA : ERROR_SUCCESS;  // too long: read as it stands
  });
  EXPECT_TRUE(alwaysFresh);
  EXPECT_EQ(calls, 3);
  EXPECT_EQ(Files(info), (std::vector<std::wstring>{L"alpha.ttf", L"alphab.ttf"}));
  EXPECT_TRUE(info.Entries[0].bComplete);
  EXPECT_FALSE(info.Entries[1].bComplete) << "a removal must not trust a value cut short";
}

TEST(FontRegistryWalk, AKeyThatCannotBeReadEndsTheWalk) {
  int calls = 0;
  std::wstring name = L"Alpha";
  const FontRegInfo info = ScanFontValues(name, [&](DWORD, char*, DWORD*, BYTE*, DWORD*) -> LONG {
    return ++calls > 100000 ? ERROR_NO_MORE_ITEMS : ERROR_KEY_DELETED;
  });
  EXPECT_EQ(info.lMax, -1);
  EXPECT_EQ(calls, 1) << "a failing key is not asked again and again";
}

TEST(FontRegistryKey, OpensTheNtFontsKeyWithWriteRights) {
  HKEY key = nullptr;
  ASSERT_EQ(OpenFontRegKey(key), ERROR_SUCCESS);
  EXPECT_EQ(RegSetValueExA(key, "Gbx Rights Probe", 0, REG_SZ, reinterpret_cast<const BYTE*>("x"), 2), ERROR_SUCCESS);
  EXPECT_EQ(RegDeleteValueA(key, "Gbx Rights Probe"), ERROR_SUCCESS);
  RegCloseKey(key);
}

TEST_F(MainWindow, TheFontsFolderIsTheShellsAndIsLookedUpOnce) {
  char expected[MAX_PATH] = {};
  ASSERT_EQ(SHGetFolderPathA(nullptr, CSIDL_FONTS, nullptr, 0, expected), S_OK);
  const int before = FontsFolderLookups();
  const std::wstring first = GetFontsFolder(form->Handle());
  const int afterFirst = FontsFolderLookups();
  const std::wstring second = GetFontsFolder(form->Handle());
  wchar_t wide[MAX_PATH] = {};
  MultiByteToWideChar(CP_ACP, 0, expected, -1, wide, MAX_PATH);
  EXPECT_EQ(first, std::wstring(wide) + L"\\");
  EXPECT_EQ(second, first);
  EXPECT_LE(afterFirst - before, 1) << "looked up on first use only";
  EXPECT_EQ(FontsFolderLookups(), afterFirst) << "the second call asks the shell no more";
}

TEST(FileExists, OnlyAFileThatCanBeOpenedForReadingExists) {
  char dir[MAX_PATH];
  GetTempPathA(MAX_PATH, dir);
  const std::string present = std::string(dir) + "gbx-present.txt";
  const std::string locked = std::string(dir) + "gbx-locked.txt";
  for (const auto& p : {present, locked}) {
    HANDLE h = CreateFileA(p.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(h);
  }
  HANDLE holder = CreateFileA(locked.c_str(), GENERIC_READ, 0 /* no sharing */, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  const auto wide = [](const std::string& s) { return std::wstring(s.begin(), s.end()); };
  struct Row {
    const char* what;
    std::wstring path;
    bool exists;
  };
  const Row rows[] = {
      {"a present file", wide(present), true},
      {"a missing file", wide(std::string(dir) + "gbx-missing.txt"), false},
      {"a folder", wide(dir), false},
      {"an empty path", L"", false},
      {"a file held open without read sharing", wide(locked), false},
      {"a malformed path", L"C:\\bad|name?.txt", false},
  };
  for (const Row& r : rows) EXPECT_EQ(Cmmdl_FileExists::FileExists(r.path), r.exists) << r.what;
  EXPECT_EQ(GetFileAttributesA((std::string(dir) + "gbx-missing.txt").c_str()), INVALID_FILE_ATTRIBUTES)
      << "the test never creates a file";
  CloseHandle(holder);
  DeleteFileA(present.c_str());
  DeleteFileA(locked.c_str());
}
