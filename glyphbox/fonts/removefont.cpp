#include "fonts/removefont.h"

#include "ui/win.h"

#include <shellapi.h>

#include <string>
#include <vector>

#include "fonts/fontreg.h"
#include "fonts/removalrules.h"
#include "mainwnd/appmessage.h"
#include "mainwnd/form1.h"
#include "ui/handles.h"
#include "ui/text.h"

namespace mdl_RemoveFont {

namespace {

// There, whether or not it can be opened: a file held open by another program is still
// there and must be registered again.
bool FilePresent(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesA(ui::ToAnsi(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The handle RegOpenKeyA gave may carry fewer rights than the removal and its rollback need.
bool KeyAllowsChanges(HKEY key) {
  HKEY probe = nullptr;
  if (::RegOpenKeyExA(key, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &probe) != ERROR_SUCCESS) return false;
  ::RegCloseKey(probe);
  return true;
}

bool Ready(const std::wstring& folder, bool keyUsable, const FontRegInfo& info, const std::vector<std::wstring>& paths) {
  if (folder.size() < 2 || !keyUsable) return false;
  for (long i = 0; i <= info.lMax; ++i) {
    // A value cut short by the scan's buffers names some other file, or none.
    if (!info.Entries[i].bComplete || info.Entries[i].strFileName.empty()) return false;
    if (!UsableShellPath(ui::ToAnsi(paths[i]))) return false;
    const DWORD attributes = ::GetFileAttributesA(ui::ToAnsi(paths[i]).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
  }
  return true;
}

// Moves the files to the recycle bin. A file the bin cannot take makes the shell ask
// before it deletes anything for good; a refusal there leaves the file where it was.
bool MoveToRecycleBin(HWND owner, const std::vector<std::wstring>& paths) {
  std::string list;
  for (const auto& path : paths) list += ui::ToAnsi(path) + '\0';
  list += '\0';
  SHFILEOPSTRUCTA op{};
  op.hwnd = owner;
  op.wFunc = FO_DELETE;
  op.pFrom = list.c_str();
  op.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_ALLOWUNDO | FOF_NOERRORUI | FOF_WANTNUKEWARNING;
  const int result = ::SHFileOperationA(&op);
  return result == 0 && !op.fAnyOperationsAborted;
}

}  // namespace

void RemoveFont(Form1& form, long& lIndex) {
  const HWND owner = form.Handle();
  std::wstring N = form.List1.Item(static_cast<int>(lIndex));
  const FontRegInfo info = GetFontRegInfo(N, owner);
  if (info.lMax < 0) return;

  if (mainwnd::AppMessage(owner, ConfirmationText(info), MB_YESNO | MB_ICONQUESTION) != IDYES) {
    form.List1.Focus();
    return;
  }

  // Nothing is touched unless every part of the removal and of its rollback can be done.
  const std::wstring folder = GetFontsFolder(owner);
  HKEY raw = nullptr;
  const bool opened = OpenFontRegKey(raw) == ERROR_SUCCESS;
  const ui::UniqueKey key(opened ? raw : nullptr);
  std::vector<std::wstring> paths;
  for (long i = 0; i <= info.lMax; ++i) paths.push_back(FontFilePath(folder, info.Entries[i].strFileName));
  if (!Ready(folder, opened && KeyAllowsChanges(key.Get()), info, paths)) {
    mainwnd::AppMessage(owner, L"フォントを削除する準備ができませんでした。\r\n\r\nフォントは変更していません。",
                        MB_ICONERROR | MB_OK);
    form.List1.Focus();
    return;
  }

  const int k = NeighbourIndex(static_cast<int>(lIndex), N, [&](int i) { return form.List1.Item(i); });
  std::wstring P = k >= 0 ? form.List1.Item(k) : std::wstring();
  if (P.empty()) P = L"System";
  form.ChangeFont(P);

  for (long i = 0; i <= info.lMax; ++i) {
    const FontRegEntry& entry = info.Entries[i];
    // The running system may know the font by its full path only.
    if (!::RemoveFontResourceA(ui::ToAnsi(entry.strFileName).c_str()))
      ::RemoveFontResourceA(ui::ToAnsi(paths[i]).c_str());
    ::RegDeleteValueA(key.Get(), ui::ToAnsi(entry.strValueName).c_str());
  }

  // A window that does not answer must not hang the removal.
  DWORD_PTR ignored = 0;
  ::SendMessageTimeoutA(HWND_BROADCAST, WM_FONTCHANGE, 0, 0, SMTO_ABORTIFHUNG | SMTO_NORMAL, 5000, &ignored);

  bool moved = MoveToRecycleBin(owner, paths);
  // Success counts only when the files are really gone.
  for (const auto& path : paths) moved = moved && !FilePresent(path);

  if (moved) {
    form.EnumFont0(2);
    form.List1.SetListIndex(k);
    form.List1_Click();
    // The refill selected the old index once more and previewed whatever lies there now;
    // with nothing selected the preview stays on the fallback it moved to.
    if (k < 0) form.ChangeFont(P);
  } else {
    std::wstring F;
    for (long i = 0; i <= info.lMax; ++i) {
      const FontRegEntry& entry = info.Entries[i];
      if (!FilePresent(paths[i])) continue;
      F += L"\r\n" + entry.strFileName;
      ::AddFontResourceA(ui::ToAnsi(paths[i]).c_str());
      const std::string data = ui::ToAnsi(entry.strFileName);
      ::RegSetValueExA(key.Get(), ui::ToAnsi(entry.strValueName).c_str(), 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(data.c_str()), static_cast<DWORD>(data.size() + 1));
    }
    form.List1.SetListIndex(static_cast<int>(lIndex));
    form.ChangeFont(form.List1.Item(static_cast<int>(lIndex)));
    mainwnd::AppMessage(owner, FailureText(F), MB_ICONERROR | MB_OK);
  }
  form.List1.Focus();
}

}  // namespace mdl_RemoveFont
