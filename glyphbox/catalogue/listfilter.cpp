#include "catalogue/listfilter.h"

namespace catalogue {

FilterPlan PlanFilter(const std::vector<std::wstring>& names, const Pattern& pattern, const CaseMap& caseMap) {
  FilterPlan plan;
  plan.keep.assign(names.size(), false);
  for (size_t i = 0; i < names.size(); ++i) {
    if (i + 1 < names.size() && EqualIgnoringCase(caseMap, names[i], names[i + 1]))
      continue;
    if (!pattern.Matches(names[i])) continue;
    plan.keep[i] = true;
    if (!names[i].empty() && names[i][0] == L'@') plan.lastVertical = plan.kept;
    ++plan.kept;
  }
  return plan;
}

int TopIndexAfterGather(int lastVertical, int count) {
  return lastVertical >= 1 && lastVertical < count - 1 ? lastVertical + 1 : -1;
}

}  // namespace catalogue
