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

// The registry values that make up the font; tells the user (owned by owner) when none do.
FontRegInfo GetFontRegInfo(std::wstring& strFontName, HWND owner);

// The shell's fonts folder with a trailing backslash, looked up on first use only.
std::wstring GetFontsFolder(HWND owner);
// How many times GetFontsFolder asked the shell during this run.
int FontsFolderLookups();
// Tests only: what GetFontsFolder answers while the text is not empty.
void OverrideFontsFolderForTest(std::wstring folder);

}  // namespace mdl_RemoveFont
