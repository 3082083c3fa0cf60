#include "catalogue/listfilter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace catalogue;

namespace {

std::vector<std::wstring> Kept(const std::vector<std::wstring>& names, const FilterPlan& plan) {
  std::vector<std::wstring> out;
  for (size_t i = 0; i < names.size(); ++i)
    if (plan.keep[i]) out.push_back(names[i]);
  return out;
}

FilterPlan Plan(const std::vector<std::wstring>& names, const wchar_t* pattern) {
  return PlanFilter(names, Pattern(pattern, SimpleCaseMap()), SimpleCaseMap());
}

}  // namespace

TEST(GatherFilter, OfARunOfNamesEqualButForCaseOnlyTheLastStays) {
  const std::vector<std::wstring> names{L"Arial", L"arial", L"ARIAL", L"Batang", L"Century", L"century"};
  const FilterPlan plan = Plan(names, L"*");
  EXPECT_EQ(Kept(names, plan), (std::vector<std::wstring>{L"ARIAL", L"Batang", L"century"}));
  EXPECT_EQ(plan.kept, 3);
}

TEST(GatherFilter, ExactDuplicatesCollapse) {
  const std::vector<std::wstring> names{L"A", L"A", L"A", L"B", L"B"};
  EXPECT_EQ(Kept(names, Plan(names, L"*")), (std::vector<std::wstring>{L"A", L"B"}));
}

TEST(GatherFilter, NamesNotMatchingThePatternGo) {
  const std::vector<std::wstring> names{L"@MS Gothic", L"Arial", L"MS 1", L"MS 10", L"MS Gothic"};
  EXPECT_EQ(Kept(names, Plan(names, L"*gothic*")), (std::vector<std::wstring>{L"@MS Gothic", L"MS Gothic"}));
  EXPECT_EQ(Kept(names, Plan(names, L"MS #")), (std::vector<std::wstring>{L"MS 1"}));
  EXPECT_TRUE(Kept(names, Plan(names, L"*[ms*")).empty());
}

TEST(GatherFilter, AnEmptyListStaysEmpty) {
  const FilterPlan plan = Plan({}, L"*");
  EXPECT_EQ(plan.kept, 0);
  EXPECT_EQ(plan.lastVertical, 0);
}

TEST(GatherFilter, LastVerticalIsCountedInTheShortenedList) {
  struct Row {
    std::vector<std::wstring> names;
    const wchar_t* pattern;
    int lastVertical;
  };
  const Row rows[] = {
      {{L"@A", L"@B", L"A", L"B"}, L"*", 1},
      {{L"@a", L"@A", L"@b", L"x"}, L"*", 1},    // the duplicate before it is gone
      {{L"@A", L"@B", L"@C", L"D"}, L"*[AC]", 1},  // @B does not match
      {{L"A", L"B"}, L"*", 0},                    // none: stays 0
      {{L"@A"}, L"*", 0},
  };
  for (const Row& r : rows)
    EXPECT_EQ(Plan(r.names, r.pattern).lastVertical, r.lastVertical) << testing::PrintToString(r.names);
}

TEST(GatherScroll, VerticalNamesAreScrolledOutOfSightOnlyWhenNamesFollowThem) {
  struct Row {
    int lastVertical, count, top;
  };
  const Row rows[] = {
      {0, 5, -1},   // no vertical name, or one at index 0 only
      {0, 1, -1},   //
      {1, 5, 2},    // two vertical names, three more
      {3, 10, 4},   //
      {1, 3, 2},    // one name after the last vertical one
      {2, 3, -1},   // the last vertical name is the last entry
      {1, 2, -1},   //
  };
  for (const Row& r : rows)
    EXPECT_EQ(TopIndexAfterGather(r.lastVertical, r.count), r.top)
        << "L=" << r.lastVertical << " count=" << r.count;
}
