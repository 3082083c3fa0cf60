#pragma once
// How a list name is matched against the registry table of installed fonts, where every
// value maps a display name ("Alpha Bold (TrueType)") to a font file. Pure: the values come
// from whoever walks the registry.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace mdl_RemoveFont {

// The keys a value can come from, in the order they are read.
enum class FontKey { Machine, User };

struct FontRegEntry {
  std::wstring strValueName;
  std::wstring strFileName;
  bool bComplete = true;  // false when the value did not fit the scan's buffers
  FontKey key = FontKey::Machine;
  unsigned long lType = 1;  // the value's registry type: REG_SZ (1) or REG_EXPAND_SZ (2) as a rule
};

struct FontRegInfo {
  long lMax = -1;  // index of the last entry; -1 when nothing belongs to the font
  std::vector<FontRegEntry> Entries;
};

// The name without a trailing charset word (" Baltic", " CE", " CYR", " Greek", " TUR").
std::wstring CutFontCharset(std::wstring_view name);

// The family name a list name stands for in the fonts' own name tables: the name as the
// rules left it, without the "@" of a vertical-writing face.
std::wstring FamilyOfListName(std::wstring_view name);

// Hands out the next value (name and data, already cut at their NUL); false when there are
// no more.
using ValueSource = std::function<bool(FontRegEntry& value)>;

// Reads values until a single match (a collection member, a bitmap font) or the end, and
// collects the family's values in the order read. strFontName loses one charset word per
// value read, as the caller relies on. An empty name belongs to no value.
FontRegInfo MatchFontValues(std::wstring& strFontName, const ValueSource& next);

}  // namespace mdl_RemoveFont
