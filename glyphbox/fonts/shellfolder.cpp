#include "fonts/shellfolder.h"

#include <array>

#include "catalogue/nullcut.h"
#include "fonts/addbslash.h"
#include "ui/handles.h"

namespace mdl_SpecialFolder {

std::wstring GetSpecialFolder(HWND owner, int csidl) {
  LPITEMIDLIST pidl = nullptr;
  if (::SHGetSpecialFolderLocation(owner, csidl, &pidl) != S_OK) return {};
  return GetPathFromIDList(pidl);
}

std::wstring GetPathFromIDList(LPITEMIDLIST pidl) {
  const ui::UniquePidl owned(pidl);
  // A folder's path is Unicode (a user named José): the code page would change it.
  std::array<wchar_t, MAX_PATH> path{};
  ::SHGetPathFromIDListW(owned.Get(), path.data());
  return Cmmdl_NullCut::NullCut(std::wstring_view(path.data(), path.size()));
}

std::wstring FolderCache::Get(HWND owner) {
  if (path_.empty()) path_ = Cmmdl_AddBslash::AddBslash(lookup_(owner, csidl_));
  return path_;
}

}  // namespace mdl_SpecialFolder
