#include "catalogue/pattern.h"

#include <gtest/gtest.h>

#include <string>

using catalogue::Pattern;
using catalogue::PatternForSearch;
using catalogue::SimpleCaseMap;

namespace {

struct Case {
  const wchar_t* pattern;
  const wchar_t* name;
  bool matches;
};

void ExpectAll(std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    EXPECT_EQ(Pattern(c.pattern, SimpleCaseMap()).Matches(c.name), c.matches)
        << "pattern \"" << testing::PrintToString(std::wstring(c.pattern)) << "\" against name "
        << testing::PrintToString(std::wstring(c.name));
  }
}

}  // namespace

TEST(Pattern, QuestionMarkIsExactlyOneCharacter) {
  ExpectAll({{L"?", L"a", true}, {L"?", L"", false}, {L"?", L"ab", false}, {L"a?c", L"abc", true},
             {L"a?c", L"ac", false}, {L"?", L"\u3042", true}});
}

TEST(Pattern, StarIsAnyRunIncludingNone) {
  ExpectAll({{L"*", L"", true}, {L"*", L"MS Gothic", true}, {L"MS*", L"MS", true}, {L"*Gothic", L"MS Gothic", true},
             {L"*Gothic", L"MS Gothic UI", false}, {L"a*b*c", L"aXXbYYc", true}, {L"a*b*c", L"acb", false},
             {L"**a", L"a", true}});
}

TEST(Pattern, HashIsOneDigit) {
  ExpectAll({{L"#", L"7", true}, {L"#", L"a", false}, {L"#", L"12", false}, {L"#", L"", false},
             {L"MS #", L"MS 1", true}, {L"MS #", L"ms 9", true}, {L"MS #", L"MS 10", false},
             {L"MS #", L"MS Gothic", false}, {L"#", L"\uFF11", false}});
}

TEST(Pattern, BracketListMatchesOneListedCharacter) {
  ExpectAll({{L"[abc]", L"b", true}, {L"[abc]", L"B", true}, {L"[abc]", L"d", false}, {L"[abc]", L"", false},
             {L"[abc]", L"ab", false}, {L"x[yz]x", L"xzx", true}});
}

TEST(Pattern, RangesRunUpwardAndIgnoreCase) {
  ExpectAll({{L"[a-c]x", L"bx", true}, {L"[a-c]x", L"Bx", true}, {L"[a-c]x", L"dx", false},
             {L"[A-C]", L"b", true}, {L"[0-9a-f]", L"e", true}, {L"[0-9a-f]", L"g", false},
             {L"[a-a]", L"a", true}});
}

TEST(Pattern, ExclamationAtStartNegatesTheList) {
  ExpectAll({{L"[!a-c]", L"d", true}, {L"[!a-c]", L"b", false}, {L"[!a-c]", L"B", false},
             {L"[!a-c]", L"", false}, {L"[!]", L"x", true}, {L"[!]", L"", false}});
}

TEST(Pattern, EmptyBracketsMatchTheEmptyString) {
  ExpectAll({{L"a[]b", L"ab", true}, {L"a[]b", L"a b", false}, {L"[]", L"", true}, {L"[]", L"a", false}});
}

TEST(Pattern, SpecialCharactersInBracketsAreLiteral) {
  ExpectAll({{L"[[]x", L"[x", true}, {L"[?]", L"?", true}, {L"[?]", L"a", false}, {L"[*]", L"*", true},
             {L"[*]", L"ab", false}, {L"[#]", L"#", true}, {L"[#]", L"1", false}});
}

TEST(Pattern, ClosingBracketOutsideAListIsOrdinary) {
  ExpectAll({{L"a]", L"a]", true}, {L"a]", L"a", false}, {L"*mma]*", L"Gbx Gamma]", true}, {L"]", L"]", true}});
}

TEST(Pattern, DashAtListEdgesAndExclamationInsideStandForThemselves) {
  ExpectAll({{L"[-a]", L"-", true}, {L"[-a]", L"a", true}, {L"[-a]", L"b", false}, {L"[a-]", L"-", true},
             {L"[a-]", L"b", false}, {L"[a!b]", L"!", true}, {L"[a!b]", L"c", false}});
}

TEST(Pattern, NotWellFormedMatchesNothing) {
  for (const wchar_t* bad : {L"[abc", L"x[a", L"*[gbx*", L"[z-a]", L"*[9-0]*", L"[!"}) {
    const Pattern p(bad, SimpleCaseMap());
    EXPECT_FALSE(p.WellFormed()) << testing::PrintToString(std::wstring(bad));
    for (const wchar_t* name : {L"", L"a", L"[abc", L"x[a", L"[gbx", L"z", L"m"})
      EXPECT_FALSE(p.Matches(name)) << testing::PrintToString(std::wstring(bad)) << " vs "
                                    << testing::PrintToString(std::wstring(name));
  }
}

TEST(Pattern, JapaneseNamesMatchLiterally) {
  ExpectAll({{L"*\u30B4\u30B7\u30C3\u30AF*", L"IPA\u30B4\u30B7\u30C3\u30AF", true},
             {L"@*", L"@IPA\u660E\u671D", true},
             {L"*\u30B4\u30B7\u30C3\u30AF*", L"IPA\u660E\u671D", false}});
}

TEST(Pattern, ManyStarsDoNotBacktrackExponentially) {
  const std::wstring name(4000, L'a');
  EXPECT_FALSE(Pattern(L"*a*a*a*a*a*a*a*a*a*a*a*a*b", SimpleCaseMap()).Matches(name));
  EXPECT_TRUE(Pattern(L"*a*a*a*a*a*a*a*a*a*a*a*a*", SimpleCaseMap()).Matches(name));
}

TEST(SearchText, PlainTextIsFoundAnywhere) {
  struct Row {
    const wchar_t* text;
    const wchar_t* pattern;
  };
  for (const Row& r : {Row{L"gothic", L"*gothic*"}, Row{L"MS #", L"MS #"}, Row{L"a?", L"a?"}, Row{L"*x", L"*x"},
                       Row{L"[gbx", L"*[gbx*"}, Row{L"mma]", L"*mma]*"}, Row{L"[a]", L"[a]"},
                       Row{L"x[a-b]y", L"x[a-b]y"}, Row{L"a]b[", L"*a]b[*"}, Row{L"[]", L"[]"}}) {
    EXPECT_EQ(PatternForSearch(r.text), r.pattern) << testing::PrintToString(std::wstring(r.text));
  }
}

TEST(SearchText, TheSearchExamplesFindWhatTheUserExpects) {
  const auto cm = SimpleCaseMap();
  EXPECT_TRUE(Pattern(PatternForSearch(L"gothic"), cm).Matches(L"MS UI Gothic"));
  EXPECT_TRUE(Pattern(PatternForSearch(L"gothic"), cm).Matches(L"@MS Gothic"));
  EXPECT_FALSE(Pattern(PatternForSearch(L"gothic"), cm).Matches(L"MS Mincho"));
  EXPECT_TRUE(Pattern(PatternForSearch(L"MS #"), cm).Matches(L"MS 2"));
  EXPECT_FALSE(Pattern(PatternForSearch(L"MS #"), cm).Matches(L"MS Gothic"));
  EXPECT_FALSE(Pattern(PatternForSearch(L"[gbx"), cm).Matches(L"[gbx"));
  EXPECT_TRUE(Pattern(PatternForSearch(L"mma]"), cm).Matches(L"Gbx Gamma]"));
  EXPECT_FALSE(Pattern(PatternForSearch(L"mma]"), cm).Matches(L"Gbx Gamma"));
}
