#pragma once
// The arithmetic of removing a font: what the user is asked and told, which list entry the
// preview moves to, and where a registry file name lies. Pure.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "fonts/fontregrules.h"

namespace mdl_RemoveFont {

// Every value name of the font, one per line, then the question.
std::wstring ConfirmationText(const FontRegInfo& info);

// The rollback's report: F lists the files registered again, each after a CR LF.
std::wstring FailureText(std::wstring_view F);

// What the user is told of values that could not be put back: the fonts were changed.
std::wstring NotRestoredText(const std::vector<std::wstring>& valueNames);

// The nearest entry above index whose charset-free text differs from the family name N;
// -1 when there is none. itemText(i) gives the list's text of entry i.
int NeighbourIndex(int index, std::wstring_view N, const std::function<std::wstring(int)>& itemText);

// Registry data that is already a path ("C:\...", "\\server\...") stands for itself; one
// rooted without a drive ("\Windows\Fonts\...") lies on the fonts folder's drive; a bare
// file name lies in the fonts folder. Environment variables are the caller's to expand.
bool IsFullPath(std::wstring_view data);
std::wstring FontFilePath(std::wstring_view fontsFolder, std::wstring_view data);

// The index of the first of each key, in order: two values may name one file.
std::vector<size_t> FirstOfEach(const std::vector<std::wstring>& keys);

// A path the shell takes for exactly one file: no wildcard characters, short enough for its
// buffers, and naming a file rather than a folder (an empty file name would name the fonts
// folder itself).
bool UsableShellPath(std::wstring_view path);

}  // namespace mdl_RemoveFont
