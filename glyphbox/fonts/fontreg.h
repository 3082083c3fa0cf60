#pragma once
// The registry table of installed fonts and the fonts folder, as the copy and removal
// commands use them.
#include <functional>
#include <string>

#include "fonts/fontregrules.h"
#include "ui/win.h"

namespace mdl_RemoveFont {

// Opens HKLM's fonts key (" NT" in the path on the NT platform) with the rights to read,
// delete and set values; returns the registry result code (0 when hKey was opened).
LONG OpenFontRegKey(HKEY& hKey);

// One RegEnumValueA-shaped call: index, name buffer and its length in characters, data
// buffer and its size in bytes.
using EnumValueFn = std::function<LONG(DWORD index, char* name, DWORD* nameChars, BYTE* data, DWORD* dataBytes)>;

// Walks the values with fresh, NUL-filled buffers for every call and matches them.
FontRegInfo ScanFontValues(std::wstring& strFontName, const EnumValueFn& enumValue);
// The same walk over an open fonts key.
FontRegInfo ScanFontKey(HKEY key, std::wstring& strFontName);

// What the user is told when the registry cannot place a font.
void ReportUnplaced(HWND owner);

// The registry values that make up the font; tells the user (owned by owner) when none do.
FontRegInfo GetFontRegInfo(std::wstring& strFontName, HWND owner);

// The shell's fonts folder with a trailing backslash, for the whole run.
std::wstring GetFontsFolder(HWND owner);

}  // namespace mdl_RemoveFont
