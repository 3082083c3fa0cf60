#pragma once
#include <string>

#include "ui/win.h"

#include <shlobj.h>

namespace mdl_SpecialFolder {

// The file-system path of a shell folder (a CSIDL number), or "" when the shell has none.
std::wstring GetSpecialFolder(HWND owner, int csidl);
// The path of an item-ID list, which it frees.
std::wstring GetPathFromIDList(LPITEMIDLIST pidl);

}  // namespace mdl_SpecialFolder
