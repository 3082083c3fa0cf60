#pragma once
// How a list name is matched against the registry table of installed fonts, where every
// value maps a display name ("Alpha Bold (TrueType)") to a font file. Pure: the values come
// from whoever walks the registry.
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
  std::string data = {};  // the value's data byte for byte, a NUL or what follows it included
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

// Every value of the fonts keys, in the order read, and which of them make up one font.
struct FontPlacement {
  std::vector<FontRegEntry> values;
  std::vector<bool> chosen;  // one for each value
  // The chosen values, in the order read.
  FontRegInfo Info() const;
};

// Chooses the values the rules give the font: a collection's value that names it as a
// whole member ("S & …", "… & S & …", "… & S (…"), a bitmap font's value that begins with
// it, and a value
// that begins with it followed by a style word. strFontName loses one charset word per value
// read, as the caller relies on. An empty name belongs to no value.
FontPlacement MatchFontValues(std::wstring& strFontName, std::vector<FontRegEntry> values);

}  // namespace mdl_RemoveFont
