#include "catalogue/getfont.h"

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/listfilter.h"
#include "catalogue/nullcut.h"
#include "catalogue/pattern.h"
#include "mainwnd/form1.h"
#include "ui/handles.h"
#include "ui/text.h"
#include "ui/twips.h"

namespace mdl_GetFont {

long lFontCount = 0;
double dblFontStep = 0;
long lBarWidth = 0;

namespace {

using Clock = std::chrono::steady_clock;
// Each move of the bar repaints it: it moves at most once a display frame.
constexpr auto kFrame = std::chrono::milliseconds(16);

// The order the names take in a list of that locale when added one by one, as indexes into
// `names` (names equal apart from case keep the order they came in). The list compares with
// CompareString in its locale, without regard to case; a sort key of that locale orders
// strings exactly so, and costs one call per name instead of one per comparison.
std::vector<size_t> ListOrder(const std::vector<std::wstring>& names, LCID locale) {
  std::vector<std::string> keys(names.size());
  for (size_t i = 0; i < names.size(); ++i) {
    const int n = ::LCMapStringW(locale, LCMAP_SORTKEY | NORM_IGNORECASE, names[i].c_str(), -1, nullptr, 0);
    keys[i].resize(n > 0 ? n : 0);
    ::LCMapStringW(locale, LCMAP_SORTKEY | NORM_IGNORECASE, names[i].c_str(), -1,
                   reinterpret_cast<LPWSTR>(keys[i].data()), n);
  }
  std::vector<size_t> order(names.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return keys[a] < keys[b]; });
  return order;
}

}  // namespace

int FillList(Form1& form, const std::vector<std::wstring>& names, const std::function<bool(size_t k)>& keep) {
  lFontCount = 0;
  if (names.empty()) return 0;  // no step to compute: nothing is listed
  dblFontStep = 1.0 / static_cast<double>(names.size());
  lBarWidth = ui::RoundHalfEven(form.Picture2.ScaleWidth());
  int listed = 0, lastVertical = 0;
  double width = 0;
  Clock::time_point moved{};
  for (size_t k = 0; k < names.size(); ++k) {
    if (keep(k)) {
      form.List1.AppendItem(names[k]);
      if (names[k].starts_with(L'@')) lastVertical = listed;
      ++listed;
    }
    width = lFontCount * dblFontStep * lBarWidth;
    if (const Clock::time_point now = Clock::now(); now - moved >= kFrame) {
      form.pBar.SetWidth(width);
      moved = now;
    }
    ++lFontCount;
  }
  // The bar ends at the width the last name gave it, whenever it last moved.
  form.pBar.SetWidth(width);
  return lastVertical;
}

// One pass of the enumeration gives the faces and N. (A process's first pass spends nearly
// all its time before it reports the first font: the bar grows while the list fills.) The
// names are put in the list's order once, and only those the filter keeps go into the list:
// adding every name for the list to sort, and deleting most of them again, cost far more
// than the enumeration itself for a few hundred fonts. While the list is narrowed, each
// name the filter keeps is asked whether its face holds the preview's characters as the bar
// passes it: the first narrowing reads each face's map there.
int GetFont(Form1& form, const catalogue::Pattern& pattern) try {
  form.narrowing.matches.clear();
  std::vector<std::wstring> reported;
  {
    ui::WindowDc dc(form.Handle());
    ::EnumFontsA(dc.Get(), nullptr, &EnumFontsProc, reinterpret_cast<LPARAM>(&reported));
  }
  std::vector<std::wstring> sorted;
  sorted.reserve(reported.size());
  for (size_t i : ListOrder(reported, form.List1.Locale())) sorted.push_back(std::move(reported[i]));
  const catalogue::FilterPlan plan = catalogue::PlanFilter(sorted, pattern, catalogue::UserLocaleCaseMap());
  const auto holds = form.NarrowedTo();
  return FillList(form, sorted, [&](size_t k) {
    if (!plan.keep[k]) return false;
    form.narrowing.matches.push_back(sorted[k]);
    return holds(sorted[k]);
  });
} catch (...) {
  // Out of memory for the names: the list keeps what it has, and the gather's steps after
  // this one still run.
  return 0;
}

int CALLBACK EnumFontsProc(const LOGFONTA* lf, const TEXTMETRICA*, DWORD, LPARAM lParam) {
  try {
    reinterpret_cast<std::vector<std::wstring>*>(lParam)->push_back(
        Cmmdl_NullCut::NullCut(ui::FromAnsi(std::string_view(lf->lfFaceName, sizeof lf->lfFaceName))));
  } catch (...) {
    // Out of memory: the enumeration goes on; nothing may unwind into the platform.
  }
  return 1;
}

}  // namespace mdl_GetFont
