#pragma once
// The registry table of installed fonts and the fonts folder, as the copy and removal
// commands use them. The registry's names and file names are Unicode: they are read,
// compared and resolved as such, never through the code page.
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

// One RegEnumValueW-shaped call: index, name buffer and its length in characters, the
// value's type, data buffer and its size in bytes.
using EnumValueFn =
    std::function<LONG(DWORD index, wchar_t* name, DWORD* nameChars, DWORD* type, BYTE* data, DWORD* dataBytes)>;

// Every value of the keys, machine first, each read with fresh NUL-filled buffers and cut at
// its NUL; each remembers its key. A value longer than the buffers is read again with larger
// ones, so that it is compared whole. A key missing from the list (no walk) is left out.
std::vector<FontRegEntry> ReadFontValues(const EnumValueFn& machine, const EnumValueFn& user = {});

// Where the file of a value lies: the fonts folder's for a bare file name, its own for a
// path, with environment variables ("%WINDIR%") expanded.
std::wstring FontFilePathOf(std::wstring_view fontsFolder, const FontRegEntry& entry);

// The values of the open fonts keys that make up the list's font: those the matching rules
// choose, and every value whose file is one the platform loaded the family from (known by
// its size and head, whatever the registry calls it: the platform lists a font by its name
// in the user's language, and cuts long names). Where the platform cannot tell its files
// and nothing else placed the font, the values whose files name that family in their own
// name tables, in any language.
FontPlacement PlaceFont(const FontKeys& keys, std::wstring& strFontName, std::wstring_view fontsFolder);

// The registry's file names of the entries, each file once (as the first value that names
// it spells it), in the entries' order: two values may name one file, in two spellings.
std::vector<std::wstring> FileNamesOnce(const FontRegInfo& info, std::wstring_view fontsFolder);

// What the user is told when the registry cannot place a font.
void ReportUnplaced(HWND owner);

// The registry values that make up the font; tells the user (owned by owner) when none do.
FontRegInfo GetFontRegInfo(std::wstring& strFontName, HWND owner);

// The shell's fonts folder with a trailing backslash, for the whole run.
std::wstring GetFontsFolder(HWND owner);

}  // namespace mdl_RemoveFont
