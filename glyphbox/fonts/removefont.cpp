#include "fonts/removefont.h"

#include "ui/win.h"

#include <shellapi.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fonts/fileexists.h"
#include "fonts/fontfiles.h"
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

// Tells the user why nothing was removed; false when there is nothing to tell. Values that
// could not be put back after all are named: then the fonts were changed after all.
bool ReportNotReady(HWND owner, Readiness readiness, const std::vector<std::wstring>& notRestored = {}) {
  if (readiness == Readiness::Ready) return false;
  const std::wstring why = readiness == Readiness::NeedsAdministrator
                               ? L"このフォントを削除するには管理者の権限が必要です。"
                               : L"フォントを削除する準備ができませんでした。";
  const std::wstring what = notRestored.empty() ? L"フォントは変更していません。" : NotRestoredText(notRestored);
  mainwnd::AppMessage(owner, why + L"\r\n\r\n" + what, MB_ICONERROR | MB_OK);
  return true;
}

// Every other value of either key that names a file of the font goes with it: none may be
// left naming a file in the recycle bin (installers register a collection once for each of
// its faces, or in both keys). A file is known by its identity, however a value spells it;
// only the files of a moving file's size are asked for theirs.
void ChooseValuesSharingFiles(FontPlacement& placement, std::wstring_view folder) {
  struct Moving {
    uint64_t size;
    std::wstring path, key;  // the key asked for when a file of that size turns up
  };
  std::vector<Moving> moving;
  for (size_t i = 0; i < placement.values.size(); ++i) {
    if (!placement.chosen[i]) continue;
    std::wstring path = FontFilePathOf(folder, placement.values[i]);
    if (const auto size = FileSize(path)) moving.push_back({*size, std::move(path), {}});
  }
  for (size_t i = 0; i < placement.values.size() && !moving.empty(); ++i) {
    if (placement.chosen[i]) continue;
    const std::wstring path = FontFilePathOf(folder, placement.values[i]);
    const auto size = FileSize(path);
    if (!size) continue;
    std::wstring key;
    for (Moving& m : moving) {
      if (m.size != *size) continue;
      if (key.empty()) key = FileKey(path);
      if (m.key.empty()) m.key = FileKey(m.path);
      placement.chosen[i] = placement.chosen[i] || key == m.key;
    }
  }
}

// The preview's face while the files move: on Windows a face in use holds its file, and a
// held file cannot be moved. The nearest entry from `from` up whose faces the platform shows
// to lie in none of the moving files (the entry above "Meiryo UI" is "Meiryo", in the same
// collections); "System" when there is none within reach.
std::wstring StandIn(int from, const ItemText& itemText, const std::vector<std::wstring>& moving) {
  constexpr int kMaxTries = 32;  // a list where every entry above shares the files is no real one
  for (int k = from; k >= 0 && k > from - kMaxTries; --k) {
    const std::wstring entry = itemText(k);
    const LoadedFamily loaded = LoadedFiles(FamilyOfListName(CutFontCharset(entry)));
    // A face whose files the platform cannot tell (a bitmap font) might be in one of them.
    if (loaded.whole && std::none_of(moving.begin(), moving.end(), [&](const auto& path) { return loaded.Holds(path); }))
      return entry;
  }
  return L"System";
}

// Every program that has added a file holds its fonts until it is withdrawn as often, and
// the running system may know it by its full path only; a bound keeps a call that never
// fails from looping. Returns how often the font was withdrawn.
int WithdrawFontResource(const std::wstring& data, const std::wstring& path) {
  constexpr int kMaxWithdrawals = 64;
  int withdrawn = 0;
  for (const std::wstring& name : {data, path})
    for (int i = 0; i < kMaxWithdrawals && ::RemoveFontResourceW(name.c_str()); ++i) ++withdrawn;
  return withdrawn;
}

// A value goes back into its own key exactly as it was: its name, its whole data and its
// type (it comes back at the end of the key's values, which changes nothing).
bool PutBack(const FontKeys& keys, const FontRegEntry& entry) {
  return ::RegSetValueExW(keys.Get(entry.key), entry.strValueName.c_str(), 0, entry.lType,
                          reinterpret_cast<const BYTE*>(entry.data.data()), static_cast<DWORD>(entry.data.size())) ==
         ERROR_SUCCESS;
}

// What one removal does to the font's values, and undoes.
class Withdrawal {
 public:
  Withdrawal(const FontKeys& keys, const FontRegInfo& info, const std::vector<std::wstring>& paths)
      : keys_(keys),
        info_(info),
        paths_(paths),
        fileKeys_(FileKeys(paths)),
        withdrawn_(paths.size(), 0),
        deleted_(paths.size(), false) {}

  // Each file once, in the values' order, of those that are there: the shell is given each
  // once, however two values spell it.
  std::vector<std::wstring> Files() const {
    std::vector<std::wstring> files;
    for (const size_t i : FirstOfEach(fileKeys_))
      if (Cmmdl_FileExists::FileExists(paths_[i])) files.push_back(paths_[i]);
    return files;
  }

  // Withdraws each value's font and deletes the value. A value that cannot be deleted would
  // stay naming a file in the recycle bin: then nothing more is changed, what was done is
  // undone, and the result is false.
  bool WithdrawAndDelete() {
    for (long i = 0; i <= info_.lMax; ++i) {
      const FontRegEntry& entry = info_.Entries[i];
      withdrawn_[i] = WithdrawFontResource(entry.strFileName, paths_[i]);
      const LONG result = ::RegDeleteValueW(keys_.Get(entry.key), entry.strValueName.c_str());
      deleted_[i] = result == ERROR_SUCCESS;
      // A value another program deleted meanwhile is gone, as it should be.
      if (result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND) continue;
      Restore(i, /*afterMove=*/false);
      return false;
    }
    return true;
  }

  // Undoes what was done to entries 0 to last. Before the files moved, every value deleted
  // goes back; after a move failed, the value of every file still there. Each file still
  // there is loaded again, once. A value not restored is named in NotRestored(): its
  // put-back failed, or its file had been loaded and cannot be loaded again. Kept() lists
  // the file names of the files still there, each once.
  void Restore(long last, bool afterMove) {
    std::vector<std::wstring> loaded;
    for (long i = 0; i <= last; ++i) {
      const bool there = Cmmdl_FileExists::FileExists(paths_[i]);
      bool restored = !(afterMove ? there : deleted_[i]) || PutBack(keys_, info_.Entries[i]);
      if (there && std::find(loaded.begin(), loaded.end(), fileKeys_[i]) == loaded.end()) {
        loaded.push_back(fileKeys_[i]);
        const bool wasLoaded = WithdrawnFrom(fileKeys_[i], last) > 0;
        restored = (::AddFontResourceW(paths_[i].c_str()) > 0 || !wasLoaded) && restored;
        if (afterMove) kept_ += L"\r\n" + info_.Entries[i].strFileName;
      }
      if (!restored) notRestored_.push_back(info_.Entries[i].strValueName);
    }
  }

  const std::wstring& Kept() const { return kept_; }
  const std::vector<std::wstring>& NotRestored() const { return notRestored_; }

 private:
  // How often the font of a file was withdrawn, under any of entries 0 to last.
  int WithdrawnFrom(const std::wstring& fileKey, long last) const {
    int n = 0;
    for (long i = 0; i <= last; ++i) n += fileKeys_[i] == fileKey ? withdrawn_[i] : 0;
    return n;
  }

  const FontKeys& keys_;
  const FontRegInfo& info_;
  const std::vector<std::wstring>& paths_;
  std::vector<std::wstring> fileKeys_;
  std::vector<int> withdrawn_;
  std::vector<bool> deleted_;
  std::wstring kept_;
  std::vector<std::wstring> notRestored_;
};

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
  Withdrawal withdrawal(keys, info, paths);
  // A value whose file is already gone is removed with the others.
  const std::vector<std::wstring> files = withdrawal.Files();

  const int neighbour = NeighbourIndex(static_cast<int>(lIndex), N, itemText);
  result.neighbour = neighbour >= 0 ? itemText(neighbour) : std::wstring();
  result.standIn = StandIn(neighbour, itemText, files);
  preview(result.standIn);

  if (!withdrawal.WithdrawAndDelete()) {
    preview(itemText(static_cast<int>(lIndex)));
    ReportNotReady(owner, Readiness::NotReady, withdrawal.NotRestored());
    return result;
  }
  BroadcastFontChange();

  if (MoveToRecycleBin(owner, files)) {
    result.outcome = RemovalResult::Outcome::Removed;
    return result;
  }
  result.outcome = RemovalResult::Outcome::Kept;
  withdrawal.Restore(info.lMax, /*afterMove=*/true);
  result.kept = withdrawal.Kept();
  result.notRestored = withdrawal.NotRestored();
  // The others were told the fonts went; they must learn that some came back.
  BroadcastFontChange();
  return result;
}

}  // namespace mdl_RemoveFont
