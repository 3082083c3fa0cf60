#include "catalogue/casemap.h"

#include <cwctype>

namespace catalogue {

namespace {
wchar_t CUpper(wchar_t c) { return static_cast<wchar_t>(std::towupper(c)); }
wchar_t CLower(wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); }
}  // namespace

CaseMap SimpleCaseMap() { return CaseMap{&CUpper, &CLower}; }

bool EqualIgnoringCase(const CaseMap& cm, std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i] && cm.upper(a[i]) != cm.upper(b[i])) return false;
  return true;
}

}  // namespace catalogue
