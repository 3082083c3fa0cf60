// The gather against the same job done the plain way, step by step on a sorted list box of
// its own, with a few hundred generated fonts whose names differ in case, width and kana,
// come twice, or come back as vertical "@" faces.
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "harness.h"
#include "catalogue/casemap.h"
#include "catalogue/pattern.h"
#include "paths.h"
#include "support/text.h"

namespace {

std::vector<std::string> ManyFontFiles() {
  std::vector<std::string> files;
  WIN32_FIND_DATAA found;
  const std::string dir = GBX_MANY_FONTS_DIR;
  HANDLE find = FindFirstFileA((dir + "\\*.ttf").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return files;
  do files.push_back(dir + "\\" + found.cFileName);
  while (FindNextFileA(find, &found));
  FindClose(find);
  return files;
}

bool SameApartFromCase(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
         CSTR_EQUAL;
}

bool ContainsApartFromCase(const std::wstring& name, const std::wstring& part) {
  for (size_t at = 0; at + part.size() <= name.size(); ++at)
    if (SameApartFromCase(name.substr(at, part.size()), part)) return true;
  return false;
}

struct Listed {
  std::vector<std::wstring> names;
  int top = 0;
  int reported = 0;
};

// Every reported name added to a sorted list box, then walked from the top: a name equal,
// apart from case, to the one after it goes, so does one the filter does not keep; the list
// is scrolled past the last vertical name that stays.
Listed PlainGather(HWND owner, const std::function<bool(const std::wstring&)>& keeps) {
  Listed out;
  HWND list = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | LBS_SORT | LBS_HASSTRINGS, 0, 0, 100, 100, owner,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
  struct Context {
    HWND list;
    int* reported;
  } context{list, &out.reported};
  HDC dc = GetDC(owner);
  EnumFontsA(
      dc, nullptr,
      [](const LOGFONTA* lf, const TEXTMETRICA*, DWORD, LPARAM p) -> int {
        auto* c = reinterpret_cast<Context*>(p);
        const std::string face(lf->lfFaceName, strnlen(lf->lfFaceName, LF_FACESIZE));
        SendMessageA(c->list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(face.c_str()));
        ++*c->reported;
        return 1;
      },
      reinterpret_cast<LPARAM>(&context));
  ReleaseDC(owner, dc);

  auto count = [&] { return static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0)); };
  auto text = [&](int i) {
    std::string bytes(SendMessageA(list, LB_GETTEXTLEN, i, 0) + 1, '\0');
    bytes.resize(SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(bytes.data())));
    return FromCp932(bytes);
  };
  int i = 0, lastVertical = 0;
  while (i != count()) {
    const std::wstring name = text(i);
    const bool dropped = (i + 1 < count() && SameApartFromCase(name, text(i + 1))) || !keeps(name);
    if (dropped) {
      SendMessageA(list, LB_DELETESTRING, i, 0);
      continue;
    }
    if (name[0] == L'@') lastVertical = i;
    ++i;
  }
  for (int k = 0; k < count(); ++k) out.names.push_back(text(k));
  out.top = lastVertical >= 1 && lastVertical < count() - 1 ? lastVertical + 1 : 0;
  DestroyWindow(list);
  return out;
}

}  // namespace

class GatherLikeThePlainAlgorithm : public MainWindow {
 protected:
  static void SetUpTestSuite() {
    for (const std::string& file : ManyFontFiles())
      if (AddFontResourceExA(file.c_str(), FR_PRIVATE, nullptr) > 0) added().push_back(file);
  }
  static void TearDownTestSuite() {
    for (const std::string& file : added()) RemoveFontResourceExA(file.c_str(), FR_PRIVATE, nullptr);
    added().clear();
  }
  static std::vector<std::string>& added() {
    static std::vector<std::string> files;
    return files;
  }

  Listed Shown() const { return {Items(form->List1), form->List1.TopIndex()}; }

  // The filter a search text gives: a plain text is looked for anywhere; a pattern is the
  // matcher the unit tests try rule by rule.
  static std::function<bool(const std::wstring&)> FilterOf(const std::wstring& text) {
    const std::wstring pattern = catalogue::PatternForSearch(text);
    if (pattern != L"*" + text + L"*")
      return [p = std::make_shared<catalogue::Pattern>(pattern, catalogue::UserLocaleCaseMap())](
                 const std::wstring& name) { return p->Matches(name); };
    return [text](const std::wstring& name) { return ContainsApartFromCase(name, text); };
  }
};

TEST_F(GatherLikeThePlainAlgorithm, GatheringEveryFont) {
  ASSERT_GE(added().size(), 300u) << "the generated fonts are installed";
  Gather(*form);
  const Listed shown = Shown();
  const Listed plain = PlainGather(form->Handle(), [](const std::wstring&) { return true; });

  // The fonts really put the walk to work: repeated names, case runs and vertical faces.
  ASSERT_GT(plain.reported, static_cast<int>(plain.names.size()) + 40);
  ASSERT_GT(plain.top, 10) << "vertical faces come first";
  EXPECT_EQ(shown.names, plain.names);
  EXPECT_EQ(shown.top, ReachableTopIndex(form->List1, plain.top));
}

TEST_F(GatherLikeThePlainAlgorithm, Searching) {
  for (const wchar_t* text : {L"gbm 0", L"GBM 12", L"ｇｂｍ", L"ｍ ｗ", L"がんま", L"ガンマ", L"ω", L"Д", L"abc", L"@",
                              L"gbm 0##", L"@gbm*", L"GBM [!0-4]*", L"*[ａ-ｚ]*"}) {
    form->Combo1.SetText(text);
    form->Combo1_KeyDown(VK_RETURN, 0);
    const Listed shown = Shown();
    const Listed plain = PlainGather(form->Handle(), FilterOf(text));
    const std::string what = "searching for " + testing::PrintToString(std::wstring(text));
    ASSERT_FALSE(plain.names.empty()) << what;
    EXPECT_EQ(shown.names, plain.names) << what;
    EXPECT_EQ(shown.top, ReachableTopIndex(form->List1, plain.top)) << what;
    EXPECT_EQ(form->List1.ListIndex(), -1) << what << ": nothing selected";
  }
}

TEST_F(GatherLikeThePlainAlgorithm, RefillingAfterARemoval) {
  form->Combo1.SetText(L"gbm");
  form->Combo1_KeyDown(VK_RETURN, 0);
  ASSERT_GT(form->List1.Count(), 60);
  form->List1.SetListIndex(50);
  form->List1.SetTopIndex(40);
  const int top = form->List1.TopIndex();
  // A font of the list goes, as a removal takes it.
  const std::string gone = std::string(GBX_MANY_FONTS_DIR) + "\\many007.ttf";
  ASSERT_GT(RemoveFontResourceExA(gone.c_str(), FR_PRIVATE, nullptr), 0);
  form->EnumFont0(2);
  const Listed shown = Shown();
  const Listed plain = PlainGather(form->Handle(), FilterOf(L"gbm"));
  AddFontResourceExA(gone.c_str(), FR_PRIVATE, nullptr);
  EXPECT_EQ(shown.names, plain.names);
  EXPECT_EQ(form->List1.ListIndex(), 50) << "the selection is kept";
  EXPECT_EQ(shown.top, ReachableTopIndex(form->List1, top)) << "and so is the scroll position";
}
