#include "fonts/fontregrules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fonts/addbslash.h"
#include "fonts/removalrules.h"
#include "support/fontreginfo.h"

using namespace mdl_RemoveFont;

namespace {

using Values = std::vector<FontRegEntry>;

struct Scan {
  FontRegInfo info;
  std::wstring nameAfter;
};

Scan Match(std::wstring name, const Values& values) {
  const FontRegInfo info = MatchFontValues(name, values).Info();
  return {info, name};
}

}  // namespace

TEST(CutFontCharset, DropsOnlyAnExactTrailingCharsetWord) {
  struct Row {
    const wchar_t* in;
    const wchar_t* out;
  };
  for (const Row& r : {Row{L"Alpha CE", L"Alpha"}, Row{L"Alpha Mono Baltic", L"Alpha Mono"}, Row{L"Alpha CYR", L"Alpha"},
                       Row{L"Alpha Greek", L"Alpha"}, Row{L"Alpha TUR", L"Alpha"}, Row{L"Alpha Black", L"Alpha Black"},
                       Row{L"Alpha ce", L"Alpha ce"}, Row{L"Alpha", L"Alpha"}, Row{L"CE", L"CE"},
                       Row{L"Alpha Greek CE", L"Alpha Greek"}, Row{L"Alpha CE Bold", L"Alpha CE Bold"},
                       Row{L" CE", L""}, Row{L"", L""}})
    EXPECT_EQ(CutFontCharset(r.in), r.out) << testing::PrintToString(std::wstring(r.in));
}

TEST(FontRegMatch, TheRegistrysUsualNames) {
  // As Windows 10/11 registers them.
  const wchar_t* const kMsGothic = L"MS Gothic & MS UI Gothic & MS PGothic (TrueType)";
  const wchar_t* const kBizUd = L"BIZ UDGothic Regular & BIZ UDPGothic Regular (TrueType)";
  struct Row {
    const wchar_t* search;
    FontRegEntry value;
    long lMax;  // -1 skipped, 0 found
  };
  const Row rows[] = {
      {L"Alpha", {L"Alpha (TrueType)", L"alpha.ttf"}, 0},
      {L"Alpha", {L"Alpha Bold Italic (TrueType)", L"alphabi.ttf"}, 0},
      {L"Alpha", {L"Alpha Black (TrueType)", L"alphabk.ttf"}, -1},
      {L"Alpha", {L"Alpha (OpenType)", L"alpha.otf"}, 0},
      {L"Beta", {L"Beta & Gamma & Delta (TrueType)", L"bgd.ttc"}, 0},
      {L"Delta", {L"Beta & Gamma & Delta (TrueType)", L"bgd.ttc"}, 0},
      {L"Gamma", {L"Beta & Gamma & Delta (TrueType)", L"bgd.ttc"}, 0},
      {L"Omega", {L"Omega 8,10,12 (VGA res)", L"OMEGA.FON"}, 0},
      {L"Alpha", {L"Alpha Narrow Bold (TrueType)", L"alphanb.ttf"}, -1},
      {L"Alpha", {L"Alpha Italic (TrueType)", L"alphai.ttf"}, 0},
      {L"Alpha", {L"Alpha Regular", L"alphar.ttf"}, 0},
      {L"Alpha", {L"Alpha Normal", L"alphan.ttf"}, 0},
      {L"Alpha", {L"Alpha Plain", L"alphap.ttf"}, 0},
      {L"Alpha", {L"Alpha", L"alpha.ttf"}, -1},       // exactly the name: no style word
      {L"Alpha", {L"Alpha", L"alpha.fon"}, 0},        // ... unless it is a bitmap font
      {L"Alpha", {L"Alpha", L"ALPHA.Fon"}, 0},
      {L"Alpha", {L"Alpha bold (TrueType)", L"a.ttf"}, -1},  // style words are case-sensitive
      {L"alpha", {L"Alpha (TrueType)", L"alpha.ttf"}, -1},   // and so are names
      // A collection's members count whole: a name inside another member is another font's.
      {L"eta", {L"Beta & Gamma (TrueType)", L"bg.ttc"}, -1},
      {L"amma", {L"Beta & Gamma (TrueType)", L"bg.ttc"}, -1},
      {L"Gothic", {kMsGothic, L"msgothic.ttc"}, -1},
      {L"UI Gothic", {kMsGothic, L"msgothic.ttc"}, -1},
      {L"PGothic", {kMsGothic, L"msgothic.ttc"}, -1},
      {L"MS Gothic", {kMsGothic, L"msgothic.ttc"}, 0},
      {L"MS UI Gothic", {kMsGothic, L"msgothic.ttc"}, 0},
      {L"MS PGothic", {kMsGothic, L"msgothic.ttc"}, 0},
      {L"UDGothic Regular", {kBizUd, L"BIZ-UDGothicR.ttc"}, -1},
      {L"BIZ UDGothic Regular", {kBizUd, L"BIZ-UDGothicR.ttc"}, 0},
      {L"BIZ UDPGothic Regular", {kBizUd, L"BIZ-UDGothicR.ttc"}, 0},
      {L"Pro Sans", {L"Gbw Pro Sans & Gbw Pro Sans UI (TrueType)", L"gbw.ttc"}, -1},
      {L"Alpha", {L"Alphabet (TrueType)", L"abc.ttf"}, -1},
      {L"Alpha", {L"AlphaXBold (TrueType)", L"ax.ttf"}, 0},  // any one character separates
      {L"Alpha", {L"Alpha Bol", L"x.ttf"}, -1},               // too short for a style word
      {L"", {L"Alpha (TrueType)", L"alpha.ttf"}, -1},         // an empty name belongs nowhere
  };
  for (const Row& r : rows) {
    const Scan s = Match(r.search, {r.value});
    EXPECT_EQ(s.info.lMax, r.lMax) << testing::PrintToString(std::wstring(r.search)) << " vs "
                                   << testing::PrintToString(r.value.strValueName);
    if (r.lMax == 0) {
      EXPECT_EQ(s.info.Entries[0].strFileName, r.value.strFileName);
    }
  }
}

TEST(FontRegMatch, AFamilyIsCollectedInTheOrderRead) {
  const Values values{{L"Zeta (TrueType)", L"zeta.ttf"},          {L"Alpha Bold (TrueType)", L"alphab.ttf"},
                      {L"Alpha Black (TrueType)", L"alphabk.ttf"}, {L"Alpha (TrueType)", L"alpha.ttf"},
                      {L"Alpha Italic (TrueType)", L"alphai.ttf"}};
  const Scan s = Match(L"Alpha", values);
  EXPECT_EQ(Files(s.info), (std::vector<std::wstring>{L"alphab.ttf", L"alpha.ttf", L"alphai.ttf"}));
  EXPECT_EQ(s.info.lMax, 2);
}

// As Windows registers its own fonts: a family over a collection and single files, or over
// two collections.
TEST(FontRegMatch, ACollectionDoesNotEndTheSearch) {
  const Values values{{L"Cambria & Cambria Math (TrueType)", L"cambria.ttc"},
                      {L"Cambria Bold (TrueType)", L"cambriab.ttf"},
                      {L"Meiryo & Meiryo Italic & Meiryo UI & Meiryo UI Italic (TrueType)", L"meiryo.ttc"},
                      {L"Meiryo Bold & Meiryo Bold Italic & Meiryo UI Bold & Meiryo UI Bold Italic (TrueType)", L"meiryob.ttc"},
                      {L"Cambria Italic (TrueType)", L"cambriai.ttf"}};
  struct Row {
    const wchar_t* name;
    std::vector<std::wstring> files;
  };
  const Row rows[] = {
      {L"Cambria", {L"cambria.ttc", L"cambriab.ttf", L"cambriai.ttf"}},
      {L"Cambria Math", {L"cambria.ttc"}},
      {L"Meiryo", {L"meiryo.ttc", L"meiryob.ttc"}},  // the second by its style word
      {L"Meiryo UI", {L"meiryo.ttc"}},               // the rules see no more: the files tell
  };
  for (const Row& r : rows) EXPECT_EQ(Files(Match(r.name, values).info), r.files) << testing::PrintToString(std::wstring(r.name));
}

TEST(FontRegMatch, ACharsetWordIsCutFromTheCallersName) {
  const Values values{{L"Alpha (TrueType)", L"alpha.ttf"}, {L"Alpha Bold (TrueType)", L"alphab.ttf"}};
  const Scan ce = Match(L"Alpha CE", values);
  EXPECT_EQ(Files(ce.info), (std::vector<std::wstring>{L"alpha.ttf", L"alphab.ttf"}));
  EXPECT_EQ(ce.nameAfter, L"Alpha");

  // Two charset words lose one per value read: the first value is compared with "Alpha Greek".
  const Values three{{L"Alpha (TrueType)", L"first.ttf"},
                     {L"Alpha (TrueType)", L"second.ttf"},
                     {L"Alpha Greek (TrueType)", L"greek.ttf"}};
  const Scan two = Match(L"Alpha Greek CE", three);
  EXPECT_EQ(Files(two.info), (std::vector<std::wstring>{L"second.ttf"}));
  EXPECT_EQ(two.nameAfter, L"Alpha");
}

TEST(FontRegMatch, AnEmptyKeyFindsNothingAndLeavesTheNameAlone) {
  const Scan s = Match(L"Alpha CE", {});
  EXPECT_EQ(s.info.lMax, -1);
  EXPECT_EQ(s.nameAfter, L"Alpha CE");
}

TEST(AddBslash, EndsAPathWithOneBackslash) {
  struct Row {
    const wchar_t* in;
    const wchar_t* out;
  };
  for (const Row& r : {Row{L"C:\\Windows\\Fonts", L"C:\\Windows\\Fonts\\"}, Row{L"C:\\Windows\\Fonts\\", L"C:\\Windows\\Fonts\\"},
                       Row{L"", L"\\"}, Row{L"a/", L"a/\\"}, Row{L"\\", L"\\"}})
    EXPECT_EQ(Cmmdl_AddBslash::AddBslash(r.in), r.out) << testing::PrintToString(std::wstring(r.in));
}

TEST(RemovalPaths, OnlyPathsNamingOneFileAreUsable) {
  struct Row {
    std::wstring path;
    bool usable;
  };
  const Row rows[] = {
      {L"C:\\windows\\Fonts\\alpha.ttf", true},
      {L"C:\\windows\\Fonts\\al?ha.ttf", false},
      {L"C:\\windows\\Fonts\\*.ttf", false},
      {L"C:\\windows\\Fonts\\", false},  // an empty file name names the folder
      {L"", false},
      {L"C:", false},
      {L"C:\\" + std::wstring(252, L'x') + L".ttf", true},  // 259 characters: the last that fit
      {L"C:\\" + std::wstring(253, L'x') + L".ttf", false},
      {L"C:\\Users\\José\\ゴシック.ttf", true},  // characters outside code page 932 are no wildcards
  };
  for (const Row& r : rows) EXPECT_EQ(UsableShellPath(r.path), r.usable) << testing::PrintToString(r.path);
}

TEST(RemovalPaths, FullPathDataStandsForItself) {
  EXPECT_EQ(FontFilePath(L"C:\\windows\\Fonts\\", L"alpha.ttf"), L"C:\\windows\\Fonts\\alpha.ttf");
  EXPECT_EQ(FontFilePath(L"C:\\windows\\Fonts\\", L"D:\\fonts\\alpha.ttf"), L"D:\\fonts\\alpha.ttf");
  EXPECT_EQ(FontFilePath(L"C:\\windows\\Fonts\\", L"\\\\server\\f\\a.ttf"), L"\\\\server\\f\\a.ttf");
  EXPECT_EQ(FontFilePath(L"C:\\windows\\Fonts\\", L"sub\\a.ttf"), L"C:\\windows\\Fonts\\sub\\a.ttf");
}

TEST(RemovalTexts, QuestionAndFailureReadAsTheUserExpects) {
  FontRegInfo info;
  info.Entries = {{L"Alpha (TrueType)", L"a.ttf"}, {L"Alpha Bold (TrueType)", L"ab.ttf"}};
  info.lMax = 1;
  EXPECT_EQ(ConfirmationText(info),
            L"Alpha (TrueType)\r\nAlpha Bold (TrueType)\r\nこれらのフォントを削除しますか？\r\n\r\n※削除したファイルはごみ箱に移動します。");
  EXPECT_EQ(FailureText(L"\r\na.ttf\r\nab.ttf"),
            L"a.ttf\r\nab.ttf を削除できませんでした。\r\n\r\nファイルが使用中の可能性があります。");
  EXPECT_EQ(FailureText(L""), L" を削除できませんでした。\r\n\r\nファイルが使用中の可能性があります。");
}

TEST(RemovalNeighbour, WalksUpPastTheFamilyAndItsCharsetSiblings) {
  const std::vector<std::wstring> list{L"Aardvark", L"Alpha", L"Alpha Baltic", L"Alpha CE", L"Beta"};
  const auto item = [&](int i) { return i >= 0 && i < static_cast<int>(list.size()) ? list[i] : std::wstring(); };
  struct Row {
    int index;
    const wchar_t* family;
    int neighbour;
  };
  for (const Row& r : {Row{3, L"Alpha", 0}, Row{1, L"Alpha", 0}, Row{4, L"Beta", 3}, Row{0, L"Aardvark", -1},
                       Row{2, L"Alpha", 0}})
    EXPECT_EQ(NeighbourIndex(r.index, r.family, item), r.neighbour) << r.index;
}
