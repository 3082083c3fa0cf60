// The user-locale case tables; the only part of the matcher that asks the platform.
#include <array>
#include <memory>

#include "catalogue/casemap.h"
#include "ui/win.h"

namespace catalogue {

namespace {

struct Tables {
  std::array<wchar_t, 0x10000> upper, lower;
};

const Tables& LocaleTables() {
  static const std::unique_ptr<Tables> tables = [] {
    auto t = std::make_unique<Tables>();
    std::array<wchar_t, 0x10000> all;
    for (unsigned i = 0; i < all.size(); ++i) all[i] = static_cast<wchar_t>(i);
    // Surrogate halves have no case and would make the mapping stop early.
    for (unsigned i = 0xD800; i < 0xE000; ++i) all[i] = L' ';
    all[0] = L' ';
    t->upper = all;
    t->lower = all;
    ::LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_UPPERCASE, all.data(), static_cast<int>(all.size()),
                   t->upper.data(), static_cast<int>(t->upper.size()));
    ::LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_LOWERCASE, all.data(), static_cast<int>(all.size()),
                   t->lower.data(), static_cast<int>(t->lower.size()));
    for (unsigned i = 0xD800; i < 0xE000; ++i) t->upper[i] = t->lower[i] = static_cast<wchar_t>(i);
    t->upper[0] = t->lower[0] = 0;
    return t;
  }();
  return *tables;
}

wchar_t LocaleUpper(wchar_t c) { return LocaleTables().upper[c]; }
wchar_t LocaleLower(wchar_t c) { return LocaleTables().lower[c]; }

}  // namespace

CaseMap UserLocaleCaseMap() { return CaseMap{&LocaleUpper, &LocaleLower}; }

}  // namespace catalogue
