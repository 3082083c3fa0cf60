#include "fonts/removefont.h"

#include "ui/win.h"

#include <shellapi.h>

#include <set>
#include <string>
#include <vector>

#include "fonts/fileexists.h"
#include "fonts/fontreg.h"
#include "fonts/removalrules.h"
#include "mainwnd/appmessage.h"
#include "ui/handles.h"

namespace mdl_RemoveFont {

namespace {

// A key opened with the most its user may have can still lack what the removal and its
// rollback need: deleting and setting values.
bool KeyAllowsChanges(HKEY key) {
  HKEY probe = nullptr;
  const bool allowed =
      key && ::RegOpenKeyExA(key, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &probe) == ERROR_SUCCESS;
  const ui::UniqueKey opened(probe);
  return allowed;
}

enum class Readiness { Ready, NeedsAdministrator, NotReady };

// Whether the removal and its rollback may change every key involved.
Readiness KeysAllowChanges(const FontKeys& keys, const FontRegInfo& info) {
  for (long i = 0; i <= info.lMax; ++i)
    if (!KeyAllowsChanges(keys.Get(info.Entries[i].key)))
      return info.Entries[i].key == FontKey::Machine ? Readiness::NeedsAdministrator : Readiness::NotReady;
  return Readiness::Ready;
}

// Whether every file can be handed to the shell, and found again for the rollback.
Readiness FilesAllowRemoval(std::wstring_view folder, const FontRegInfo& info, const std::vector<std::wstring>& paths) {
  if (folder.size() < 2) return Readiness::NotReady;
  for (long i = 0; i <= info.lMax; ++i) {
    // A value cut short by the scan's buffers names some other file, or none.
    if (!info.Entries[i].bComplete || info.Entries[i].strFileName.empty()) return Readiness::NotReady;
    if (!UsableShellPath(paths[i])) return Readiness::NotReady;
    const DWORD attributes = ::GetFileAttributesW(paths[i].c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return Readiness::NotReady;
  }
  return Readiness::Ready;
}

// Tells the user why nothing was removed; false when there is nothing to tell.
bool ReportNotReady(HWND owner, Readiness readiness) {
  if (readiness == Readiness::Ready) return false;
  mainwnd::AppMessage(owner,
                      readiness == Readiness::NeedsAdministrator
                          ? L"このフォントを削除するには管理者の権限が必要です。\r\n\r\nフォントは変更していません。"
                          : L"フォントを削除する準備ができませんでした。\r\n\r\nフォントは変更していません。",
                      MB_ICONERROR | MB_OK);
  return true;
}

// Every other value of either key that names a file of the font goes with it: none may be
// left naming a file in the recycle bin (installers register a collection once for each of
// its faces, or in both keys).
void ChooseValuesSharingFiles(FontPlacement& placement, std::wstring_view folder) {
  std::vector<std::wstring> files(placement.values.size());
  std::set<std::wstring> moving;
  for (size_t i = 0; i < files.size(); ++i) {
    const std::wstring path = FontFilePathOf(folder, placement.values[i]);
    files[i] = FoldedPath(path);
    if (placement.chosen[i] && Cmmdl_FileExists::FileExists(path)) moving.insert(files[i]);
  }
  for (size_t i = 0; i < files.size(); ++i) placement.chosen[i] = placement.chosen[i] || moving.count(files[i]);
}

// Every program that has added a file holds its fonts until it is withdrawn as often, and
// the running system may know it by its full path only; a bound keeps a call that never
// fails from looping.
void WithdrawFontResource(const std::wstring& data, const std::wstring& path) {
  constexpr int kMaxWithdrawals = 64;
  for (const std::wstring& name : {data, path})
    for (int i = 0; i < kMaxWithdrawals && ::RemoveFontResourceW(name.c_str()); ++i) {
    }
}

// A value goes back into its own key exactly as it was: its name, data and type.
void PutBack(const FontKeys& keys, const FontRegEntry& entry) {
  ::RegSetValueExW(keys.Get(entry.key), entry.strValueName.c_str(), 0, entry.lType,
                   reinterpret_cast<const BYTE*>(entry.strFileName.c_str()),
                   static_cast<DWORD>((entry.strFileName.size() + 1) * sizeof(wchar_t)));
}

// Withdraws each value's font and deletes the value. A value that cannot be deleted would
// stay naming a file in the recycle bin: then nothing more is changed, what was done is
// undone, and the result is false.
bool WithdrawAndDelete(const FontKeys& keys, const FontRegInfo& info, const std::vector<std::wstring>& paths) {
  std::vector<bool> deleted;
  for (long i = 0; i <= info.lMax; ++i) {
    const FontRegEntry& entry = info.Entries[i];
    WithdrawFontResource(entry.strFileName, paths[i]);
    const LONG result = ::RegDeleteValueW(keys.Get(entry.key), entry.strValueName.c_str());
    deleted.push_back(result == ERROR_SUCCESS);
    // A value another program deleted meanwhile is gone, as it should be.
    if (result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND) continue;
    for (long j = 0; j <= i; ++j) {
      if (deleted[j]) PutBack(keys, info.Entries[j]);
      if (Cmmdl_FileExists::FileExists(paths[j])) ::AddFontResourceW(paths[j].c_str());
    }
    return false;
  }
  return true;
}

// Other programs learn of added and removed fonts only from this broadcast. A window that
// does not answer must not hang the removal.
void BroadcastFontChange() {
  DWORD_PTR ignored = 0;
  ::SendMessageTimeoutA(HWND_BROADCAST, WM_FONTCHANGE, 0, 0, SMTO_ABORTIFHUNG | SMTO_NORMAL, 5000, &ignored);
}

// Moves the files to the recycle bin. A file the bin cannot take makes the shell ask
// before it deletes anything for good; a refusal there leaves the file where it was.
bool MoveToRecycleBin(HWND owner, const std::vector<std::wstring>& paths) {
  if (paths.empty()) return true;
  std::wstring list;
  for (const auto& path : paths) list += path + L'\0';
  list += L'\0';
  SHFILEOPSTRUCTW op{};
  op.hwnd = owner;
  op.wFunc = FO_DELETE;
  op.pFrom = list.c_str();
  op.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_ALLOWUNDO | FOF_NOERRORUI | FOF_WANTNUKEWARNING;
  const int result = ::SHFileOperationW(&op);
  // Success counts only when the files are really gone.
  bool moved = result == 0 && !op.fAnyOperationsAborted;
  for (const auto& path : paths) moved = moved && !Cmmdl_FileExists::FileExists(path);
  return moved;
}

}  // namespace

RemovalResult RemoveFont(HWND owner, std::wstring_view fontsFolder, long& lIndex, const ItemText& itemText,
                         const std::function<void(const std::wstring& face)>& preview) {
  RemovalResult result;
  // Each key is opened once, for the scan, the removal and the rollback.
  const FontKeys keys;
  std::wstring N = itemText(static_cast<int>(lIndex));
  FontPlacement placement = PlaceFont(keys, N, fontsFolder);
  ChooseValuesSharingFiles(placement, fontsFolder);
  const FontRegInfo info = placement.Info();
  if (info.lMax < 0) {
    ReportUnplaced(owner);
    return result;
  }

  // Nothing is touched unless every part of the removal and of its rollback can be done;
  // a user who may not change the keys is not asked first.
  result.outcome = RemovalResult::Outcome::Cancelled;
  if (ReportNotReady(owner, KeysAllowChanges(keys, info))) return result;
  if (mainwnd::AppMessage(owner, ConfirmationText(info), MB_YESNO | MB_ICONQUESTION) != IDYES) return result;
  std::vector<std::wstring> paths;
  for (long i = 0; i <= info.lMax; ++i) paths.push_back(FontFilePathOf(fontsFolder, info.Entries[i]));
  if (ReportNotReady(owner, FilesAllowRemoval(fontsFolder, info, paths))) return result;
  // The shell is given each file once, and only the files there are: a value whose file
  // is already gone is removed with the others.
  std::vector<std::wstring> files;
  for (const auto& path : DistinctPaths(paths))
    if (Cmmdl_FileExists::FileExists(path)) files.push_back(path);

  const int neighbour = NeighbourIndex(static_cast<int>(lIndex), N, itemText);
  result.neighbour = neighbour >= 0 ? itemText(neighbour) : std::wstring();
  preview(result.neighbour.empty() ? L"System" : result.neighbour);

  if (!WithdrawAndDelete(keys, info, paths)) {
    preview(itemText(static_cast<int>(lIndex)));
    ReportNotReady(owner, Readiness::NotReady);
    return result;
  }
  BroadcastFontChange();

  if (MoveToRecycleBin(owner, files)) {
    result.outcome = RemovalResult::Outcome::Removed;
    return result;
  }
  result.outcome = RemovalResult::Outcome::Kept;
  for (long i = 0; i <= info.lMax; ++i) {
    if (!Cmmdl_FileExists::FileExists(paths[i])) continue;
    result.kept += L"\r\n" + info.Entries[i].strFileName;
    ::AddFontResourceW(paths[i].c_str());
    PutBack(keys, info.Entries[i]);
  }
  // The others were told the fonts went; they must learn that some came back.
  BroadcastFontChange();
  return result;
}

}  // namespace mdl_RemoveFont
