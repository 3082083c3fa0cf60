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

enum class Outcome { Skip, Append, Single };

Outcome Classify(std::wstring_view s, const FontRegEntry& value) {
  const std::wstring_view v = value.strValueName;
  if (v.find(std::wstring(s) + L" & ") != std::wstring_view::npos) return Outcome::Single;
  if (v.find(L" & " + std::wstring(s) + L" (") != std::wstring_view::npos) return Outcome::Single;
  if (v.substr(0, s.size()) != s) return Outcome::Skip;
  if (EndsWithFon(value.strFileName)) return Outcome::Single;
  // The word behind the name and one separating character.
  if (v.size() >= s.size() + 5) {
    const std::wstring_view style = v.substr(s.size() + 1, 4);
    for (auto word : kStyleWords)
      if (style == word) return Outcome::Append;
  }
  return Outcome::Skip;
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

FontRegInfo MatchFontValues(std::wstring& strFontName, const ValueSource& next) {
  FontRegInfo info;
  FontRegEntry value;
  while (next(value)) {
    strFontName = CutFontCharset(strFontName);
    // With an empty name every value would "contain" it.
    if (strFontName.empty()) continue;
    switch (Classify(strFontName, value)) {
      case Outcome::Single:
        info.Entries.assign(1, value);
        info.lMax = 0;
        return info;
      case Outcome::Append:
        info.Entries.push_back(value);
        break;
      case Outcome::Skip:
        break;
    }
  }
  info.lMax = static_cast<long>(info.Entries.size()) - 1;
  return info;
}

}  // namespace mdl_RemoveFont
