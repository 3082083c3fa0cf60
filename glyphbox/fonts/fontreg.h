#pragma once
// The registry table of installed fonts and the fonts folder, as the copy and removal
// commands use them.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "fonts/fontregrules.h"
#include "ui/handles.h"
#include "ui/win.h"

namespace mdl_RemoveFont {

// Opens HKLM's fonts key (" NT" in the path on the NT platform) with the rights to read,
// delete and set values; returns the registry result code (0 when hKey was opened).
LONG OpenFontRegKey(HKEY& hKey);
// The same for the current user's fonts key (fonts installed for this user alone, since
// Windows 10 1809); platforms without one answer ERROR_FILE_NOT_FOUND.
LONG OpenUserFontRegKey(HKEY& hKey);

// The fonts keys of one scan or removal, each opened once: the machine's and the user's
// (either may be missing).
class FontKeys {
 public:
  FontKeys();
  HKEY Get(FontKey key) const { return (key == FontKey::Machine ? machine_ : user_).Get(); }

 private:
  ui::UniqueKey machine_, user_;
};

// One RegEnumValueA-shaped call: index, name buffer and its length in characters, the
// value's type, data buffer and its size in bytes.
using EnumValueFn =
    std::function<LONG(DWORD index, char* name, DWORD* nameChars, DWORD* type, BYTE* data, DWORD* dataBytes)>;

// Walks the keys' values in turn, machine first, with fresh NUL-filled buffers for every
// call, and matches them as one sequence; each entry remembers its key. A value longer than
// the buffers is read again with larger ones, so that it is compared whole. A key missing
// from the list (no walk) is left out. Every value read is also kept in `read` when given.
FontRegInfo ScanFontValues(std::wstring& strFontName, const EnumValueFn& machine, const EnumValueFn& user = {},
                           std::vector<FontRegEntry>* read = nullptr);

// Where the file of a value lies: the fonts folder's for a bare file name, its own for a
// path, with environment variables ("%WINDIR%") expanded.
std::wstring FontFilePathOf(std::wstring_view fontsFolder, const FontRegEntry& entry);

// The values of the open fonts keys that make up the list's font: those the matching rules
// find, or, where they find none, those whose file holds a face of the family the name
// stands for, in any language (the platform lists a font by its name in the user's
// language, while the registry names it in English as a rule). The fonts folder is asked for
// only then.
FontRegInfo PlaceFont(const FontKeys& keys, std::wstring& strFontName, const std::function<std::wstring()>& fontsFolder);

// What the user is told when the registry cannot place a font.
void ReportUnplaced(HWND owner);

// The registry values that make up the font; tells the user (owned by owner) when none do.
FontRegInfo GetFontRegInfo(std::wstring& strFontName, HWND owner);

// The shell's fonts folder with a trailing backslash, for the whole run.
std::wstring GetFontsFolder(HWND owner);

}  // namespace mdl_RemoveFont
