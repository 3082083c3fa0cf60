#include "fonts/removefont.h"

#include "ui/win.h"

#include <shellapi.h>

#include <string>
#include <vector>

#include "fonts/fileexists.h"
#include "fonts/fontreg.h"
#include "fonts/removalrules.h"
#include "mainwnd/appmessage.h"
#include "ui/handles.h"
#include "ui/text.h"

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
    if (!UsableShellPath(ui::ToAnsi(paths[i]))) return Readiness::NotReady;
    const DWORD attributes = ::GetFileAttributesA(ui::ToAnsi(paths[i]).c_str());
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

// Every program that has added a file holds its fonts until it is withdrawn as often, and
// the running system may know it by its full path only; a bound keeps a call that never
// fails from looping.
void WithdrawFontResource(const std::wstring& data, const std::wstring& path) {
  constexpr int kMaxWithdrawals = 64;
  for (const std::wstring& name : {data, path})
    for (int i = 0; i < kMaxWithdrawals && ::RemoveFontResourceA(ui::ToAnsi(name).c_str()); ++i) {
    }
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
  std::string list;
  for (const auto& path : paths) list += ui::ToAnsi(path) + '\0';
  list += '\0';
  SHFILEOPSTRUCTA op{};
  op.hwnd = owner;
  op.wFunc = FO_DELETE;
  op.pFrom = list.c_str();
  op.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_ALLOWUNDO | FOF_NOERRORUI | FOF_WANTNUKEWARNING;
  const int result = ::SHFileOperationA(&op);
  // Success counts only when the files are really gone.
  bool moved = result == 0 && !op.fAnyOperationsAborted;
  for (const auto& path : paths) moved = moved && !Cmmdl_FileExists::FileExists(path);
  return moved;
}

}  // namespace

RemovalResult RemoveFont(HWND owner, std::wstring_view fontsFolder, long& lIndex, const ItemText& itemText,
                         const std::function<void(const std::wstring& face)>& leaveFont) {
  RemovalResult result;
  // Each key is opened once, for the scan, the removal and the rollback.
  const FontKeys keys;
  std::wstring N = itemText(static_cast<int>(lIndex));
  const FontRegInfo info = PlaceFont(keys, N, [&] { return std::wstring(fontsFolder); });
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

  result.neighbour = NeighbourIndex(static_cast<int>(lIndex), N, itemText);
  std::wstring P = result.neighbour >= 0 ? itemText(result.neighbour) : std::wstring();
  leaveFont(P.empty() ? L"System" : P);

  for (long i = 0; i <= info.lMax; ++i) {
    const FontRegEntry& entry = info.Entries[i];
    WithdrawFontResource(entry.strFileName, paths[i]);
    ::RegDeleteValueA(keys.Get(entry.key), ui::ToAnsi(entry.strValueName).c_str());
  }
  BroadcastFontChange();

  if (MoveToRecycleBin(owner, files)) {
    result.outcome = RemovalResult::Outcome::Removed;
    return result;
  }
  // Each value goes back into its own key exactly as it was: its data and its type.
  result.outcome = RemovalResult::Outcome::Kept;
  for (long i = 0; i <= info.lMax; ++i) {
    const FontRegEntry& entry = info.Entries[i];
    if (!Cmmdl_FileExists::FileExists(paths[i])) continue;
    result.kept += L"\r\n" + entry.strFileName;
    ::AddFontResourceA(ui::ToAnsi(paths[i]).c_str());
    const std::string data = ui::ToAnsi(entry.strFileName);
    ::RegSetValueExA(keys.Get(entry.key), ui::ToAnsi(entry.strValueName).c_str(), 0, entry.lType,
                     reinterpret_cast<const BYTE*>(data.c_str()), static_cast<DWORD>(data.size() + 1));
  }
  // The others were told the fonts went; they must learn that some came back.
  BroadcastFontChange();
  return result;
}

}  // namespace mdl_RemoveFont
