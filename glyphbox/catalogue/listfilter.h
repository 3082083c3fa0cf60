#pragma once
// What the gather keeps of the sorted names the system reported: of a run of names equal
// apart from case only the last, and only names matching the pattern.
#include <string>
#include <vector>

#include "catalogue/pattern.h"

namespace catalogue {

struct FilterPlan {
  std::vector<bool> keep;  // one per input name
  int kept = 0;
  int lastVertical = 0;    // index, in the kept list, of the last kept "@" name (0 if none)
};

FilterPlan PlanFilter(const std::vector<std::wstring>& sortedNames, const Pattern& pattern,
                      const CaseMap& caseMap);

// The first visible entry after a gather, so that the vertical ("@") names sit above it
// out of sight; -1 when the list stays as it is.
int TopIndexAfterGather(int lastVertical, int count);

}  // namespace catalogue
