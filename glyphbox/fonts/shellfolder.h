#pragma once
#include <functional>
#include <string>

#include "ui/win.h"

#include <shlobj.h>

namespace mdl_SpecialFolder {

// The file-system path of a shell folder (a CSIDL number), or "" when the shell has none.
std::wstring GetSpecialFolder(HWND owner, int csidl);
// The path of an item-ID list, which it frees.
std::wstring GetPathFromIDList(LPITEMIDLIST pidl);

// A shell folder's path with a trailing backslash, asked of the lookup on first use only.
class FolderCache {
 public:
  using Lookup = std::function<std::wstring(HWND owner, int csidl)>;
  FolderCache(int csidl, Lookup lookup) : csidl_(csidl), lookup_(std::move(lookup)) {}
  std::wstring Get(HWND owner);

 private:
  int csidl_;
  Lookup lookup_;
  std::wstring path_;
};

}  // namespace mdl_SpecialFolder
