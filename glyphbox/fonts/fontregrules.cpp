#include "fonts/fontregrules.h"

#include <array>
#include <cwctype>

namespace mdl_RemoveFont {

namespace {

constexpr std::array<std::wstring_view, 5> kCharsetWords{L"Baltic", L"CE", L"CYR", L"Greek", L"TUR"};
constexpr std::array<std::wstring_view, 7> kStyleWords{L"Bold", L"Ital", L"Norm", L"Regu",
                                                       L"Plai", L"(Tru", L"(Ope"};

bool EndsWithFon(std::wstring_view data) {
  if (data.size() < 4) return false;
  std::wstring tail(data.substr(data.size() - 4));
  for (auto& c : tail) c = static_cast<wchar_t>(std::towlower(c));
  return tail == L".fon";
}

// Whether s is a whole member of a collection's value name ("A & B & C (TrueType)"): it
// begins the name or follows " & ", and ends at " & ", or at " (" behind another member. A
// name found inside another member ("Gothic" in "MS Gothic & ...") is another font's.
bool IsMember(std::wstring_view s, std::wstring_view v) {
  constexpr std::wstring_view kAnd = L" & ";
  for (size_t at = v.find(s); at != std::wstring_view::npos; at = v.find(s, at + 1)) {
    const bool first = at == 0;
    if (!first && (at < kAnd.size() || v.substr(at - kAnd.size(), kAnd.size()) != kAnd)) continue;
    const std::wstring_view rest = v.substr(at + s.size());
    if (rest.starts_with(kAnd) || (!first && rest.starts_with(L" ("))) return true;
  }
  return false;
}

bool Belongs(std::wstring_view s, const FontRegEntry& value) {
  const std::wstring_view v = value.strValueName;
  if (IsMember(s, v)) return true;
  if (v.substr(0, s.size()) != s) return false;
  if (EndsWithFon(value.strFileName)) return true;
  // The word behind the name and one separating character.
  if (v.size() >= s.size() + 5) {
    const std::wstring_view style = v.substr(s.size() + 1, 4);
    for (auto word : kStyleWords)
      if (style == word) return true;
  }
  return false;
}

}  // namespace

std::wstring CutFontCharset(std::wstring_view name) {
  const size_t space = name.rfind(L' ');
  if (space == std::wstring_view::npos) return std::wstring(name);
  const std::wstring_view last = name.substr(space + 1);
  for (auto word : kCharsetWords)
    if (last == word) return std::wstring(name.substr(0, space));
  return std::wstring(name);
}

std::wstring FamilyOfListName(std::wstring_view name) {
  return std::wstring(name.starts_with(L'@') ? name.substr(1) : name);
}

FontRegInfo FontPlacement::Info() const {
  FontRegInfo info;
  for (size_t i = 0; i < values.size(); ++i)
    if (chosen[i]) info.Entries.push_back(values[i]);
  info.lMax = static_cast<long>(info.Entries.size()) - 1;
  return info;
}

// A family often spans a collection and single files ("Cambria & Cambria Math" beside
// "Cambria Bold"), or two collections: a collection's value does not end the search.
FontPlacement MatchFontValues(std::wstring& strFontName, std::vector<FontRegEntry> values) {
  FontPlacement placement{std::move(values), {}};
  placement.chosen.assign(placement.values.size(), false);
  for (size_t i = 0; i < placement.values.size(); ++i) {
    strFontName = CutFontCharset(strFontName);
    // With an empty name every value would "contain" it.
    placement.chosen[i] = !strFontName.empty() && Belongs(strFontName, placement.values[i]);
  }
  return placement;
}

}  // namespace mdl_RemoveFont
