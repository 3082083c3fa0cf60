#pragma once
#include <string_view>
// Upper and lower case of one UTF-16 unit, as some locale defines them. The pattern
// matcher and the duplicate test take one of these instead of asking the platform.

namespace catalogue {

struct CaseMap {
  wchar_t (*upper)(wchar_t);
  wchar_t (*lower)(wchar_t);
};

// The C library's idea of case; enough for ASCII and for host-side tests.
CaseMap SimpleCaseMap();
// The user's locale, as the platform maps it (built once, on first use).
CaseMap UserLocaleCaseMap();

// Same length and the same letters apart from case.
bool EqualIgnoringCase(const CaseMap& cm, std::wstring_view a, std::wstring_view b);

}  // namespace catalogue
