// The registry table of installed fonts in the test prefix, and the path helpers.
#include "harness.h"

#include <shlobj.h>

#include <string>
#include <tuple>
#include <vector>

#include "fonts/fileexists.h"
#include "fonts/fontreg.h"
#include "fonts/shellfolder.h"
#include "support/files.h"
#include "support/fontreginfo.h"
#include "support/registry.h"
#include "support/text.h"
#include "support/watcher.h"

using namespace mdl_RemoveFont;

namespace {

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

// The registry's own enumeration order of the given values' data.
std::vector<std::wstring> InEnumerationOrder(const std::vector<std::string>& names) {
  std::vector<std::wstring> order;
  for (const auto& [name, data] : registry::FontValues())
    for (const auto& want : names)
      if (want == name) order.push_back(FromUtf8(data));
  return order;
}

}  // namespace

class FontRegistry : public MainWindow {
 protected:
  static void SetUpTestSuite() {
    for (const Value& v : kValues) registry::SetFontValue(v.name, v.data);
  }
  static void TearDownTestSuite() {
    for (const Value& v : kValues) registry::DeleteFontValue(v.name);
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
  const auto before = registry::FontValues();
  WindowWatcher watcher("#32770", "Glyphora", [](HWND box) { PostMessageA(box, WM_COMMAND, IDOK, 0); });
  for (const wchar_t* n : {L"Gbx Reg", L"Gbx Reg CE", L"Gamma", L"Gbx Omega", L"Gbx Nowhere"}) {
    std::wstring name = n;
    Lookup(name);
  }
  EXPECT_EQ(registry::FontValues(), before);
}

namespace {

FontRegInfo Scan(std::wstring& name, const EnumValueFn& machine, const EnumValueFn& user = {}) {
  return MatchFontValues(name, ReadFontValues(machine, user)).Info();
}

}  // namespace

TEST(FontRegistryWalk, EveryCallGetsClearedBuffersAndLongValuesAreReadWhole) {
  const std::wstring longName = std::wstring(290, L'x') + L" & Alpha (TrueType)", longData(300, L'd');
  const std::pair<std::wstring, std::wstring> values[] = {{L"Alpha (TrueType)", L"alpha.ttf"}, {longName, longData}};
  int calls = 0;
  bool alwaysFresh = true;
  std::wstring name = L"Alpha";
  const FontRegInfo info = Scan(name, [&](DWORD index, wchar_t* n, DWORD* nChars, DWORD*, BYTE* d, DWORD* dBytes) -> LONG {
    ++calls;
    for (DWORD i = 0; i < *nChars; ++i) alwaysFresh &= n[i] == 0;
    for (DWORD i = 0; i < *dBytes; ++i) alwaysFresh &= d[i] == 0;
    if (index >= 2) return ERROR_NO_MORE_ITEMS;
    const auto& [valueName, data] = values[index];
    const DWORD dataBytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
    // Junk behind what fits, as a real call may leave; the data's size is reported.
    wmemset(n, L'x', *nChars);
    memset(d, 'y', *dBytes);
    if (*nChars <= valueName.size() || *dBytes < dataBytes) {
      *dBytes = dataBytes;
      return ERROR_MORE_DATA;
    }
    wmemcpy(n, valueName.c_str(), valueName.size() + 1);
    memcpy(d, data.c_str(), dataBytes);
    return ERROR_SUCCESS;
  });
  EXPECT_TRUE(alwaysFresh);
  EXPECT_EQ(calls, 4) << "the long value is asked for again, with larger buffers";
  EXPECT_EQ(Files(info), (std::vector<std::wstring>{L"alpha.ttf", longData})) << "a collection member behind character 255";
  EXPECT_TRUE(info.Entries[1].bComplete);
}

TEST(FontRegistryWalk, AKeyThatCannotBeReadEndsTheWalk) {
  int calls = 0;
  std::wstring name = L"Alpha";
  const FontRegInfo info = Scan(name, [&](DWORD, wchar_t*, DWORD*, DWORD*, BYTE*, DWORD*) -> LONG {
    return ++calls > 100000 ? ERROR_NO_MORE_ITEMS : ERROR_KEY_DELETED;
  });
  EXPECT_EQ(info.lMax, -1);
  EXPECT_EQ(calls, 1) << "a failing key is not asked again and again";
}

namespace {

// A key holding the given values (name, data, type), as RegEnumValueW hands them out.
EnumValueFn KeyOf(std::vector<std::tuple<const wchar_t*, const wchar_t*, DWORD>> values) {
  return [values](DWORD index, wchar_t* n, DWORD*, DWORD* type, BYTE* d, DWORD*) -> LONG {
    if (index >= values.size()) return ERROR_NO_MORE_ITEMS;
    wcscpy(n, std::get<0>(values[index]));
    wcscpy(reinterpret_cast<wchar_t*>(d), std::get<1>(values[index]));
    *type = std::get<2>(values[index]);
    return ERROR_SUCCESS;
  };
}

}  // namespace

TEST(FontRegistryWalk, TheUsersKeyFollowsTheMachinesAsOneSequence) {
  const auto machine = KeyOf({{L"Alpha (TrueType)", L"alpha.ttf", REG_SZ}, {L"Beta & Gamma (TrueType)", L"bg.ttc", REG_SZ}});
  const auto user = KeyOf({{L"Alpha Bold (TrueType)", L"C:\\u\\alphab.ttf", REG_EXPAND_SZ},
                           {L"Gamma & Delta (TrueType)", L"C:\\u\\gd.ttc", REG_SZ}});
  struct Row {
    const wchar_t* name;
    std::vector<std::wstring> files;
    std::vector<FontKey> keys;
  };
  const Row rows[] = {
      {L"Alpha", {L"alpha.ttf", L"C:\\u\\alphab.ttf"}, {FontKey::Machine, FontKey::User}},
      {L"Gamma", {L"bg.ttc", L"C:\\u\\gd.ttc"}, {FontKey::Machine, FontKey::User}},  // a collection in each key
      {L"Delta", {L"C:\\u\\gd.ttc"}, {FontKey::User}},
  };
  for (const Row& r : rows) {
    std::wstring name = r.name;
    const FontRegInfo info = Scan(name, machine, user);
    EXPECT_EQ(Files(info), r.files) << testing::PrintToString(std::wstring(r.name));
    std::vector<FontKey> keys;
    for (long i = 0; i <= info.lMax; ++i) keys.push_back(info.Entries[i].key);
    EXPECT_EQ(keys, r.keys) << testing::PrintToString(std::wstring(r.name));
  }
  std::wstring alpha = L"Alpha";
  EXPECT_EQ(Scan(alpha, machine, user).Entries[1].lType, static_cast<unsigned long>(REG_EXPAND_SZ))
      << "the value's type comes with it";
  std::wstring none = L"Alpha";
  EXPECT_EQ(Files(Scan(none, machine)), std::vector<std::wstring>{L"alpha.ttf"}) << "no user key";
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
  EXPECT_EQ(GetFontsFolder(form->Handle()), FromCp932(expected) + L"\\");

  int lookups = 0;
  mdl_SpecialFolder::FolderCache folder(CSIDL_FONTS, [&](HWND owner, int csidl) {
    ++lookups;
    return mdl_SpecialFolder::GetSpecialFolder(owner, csidl);
  });
  const std::wstring first = folder.Get(form->Handle());
  EXPECT_EQ(folder.Get(form->Handle()), first);
  EXPECT_EQ(first, FromCp932(expected) + L"\\");
  EXPECT_EQ(lookups, 1) << "the second call asks the shell no more";
}

TEST(FileExists, AFileExistsWhetherOrNotItCanBeOpened) {
  const std::string present = WriteBytes(TempPath("gbx-present.txt"), "x");
  const std::string locked = WriteBytes(TempPath("gbx-locked.txt"), "x");
  HANDLE holder = CreateFileA(locked.c_str(), GENERIC_READ, 0 /* no sharing */, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  struct Row {
    const char* what;
    std::wstring path;
    bool exists;
  };
  const Row rows[] = {
      {"a present file", FromCp932(present), true},
      {"a file held open without any sharing", FromCp932(locked), true},
      {"a missing file", FromCp932(TempPath("gbx-missing.txt")), false},
      {"a folder", FromCp932(TempPath("")), false},
      {"an empty path", L"", false},
      {"a malformed path", L"C:\\bad|name?.txt", false},
  };
  for (const Row& r : rows) EXPECT_EQ(Cmmdl_FileExists::FileExists(r.path), r.exists) << r.what;
  EXPECT_EQ(GetFileAttributesA(TempPath("gbx-missing.txt").c_str()), INVALID_FILE_ATTRIBUTES)
      << "the test never creates a file";
  CloseHandle(holder);
  DeleteFileA(present.c_str());
  DeleteFileA(locked.c_str());
}
