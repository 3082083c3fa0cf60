#include "fonts/removalrules.h"

#include <algorithm>

namespace mdl_RemoveFont {

namespace {
constexpr size_t kMaxPath = 260;  // the shell's path buffers, terminating NUL included
}

std::wstring ConfirmationText(const FontRegInfo& info) {
  std::wstring text;
  for (long i = 0; i <= info.lMax; ++i) text += info.Entries[i].strValueName + L"\r\n";
  return text + L"これらのフォントを削除しますか？\r\n\r\n※削除したファイルはごみ箱に移動します。";
}

std::wstring FailureText(std::wstring_view F) {
  const std::wstring_view names = F.size() >= 2 ? F.substr(2) : std::wstring_view();
  return std::wstring(names) + L" を削除できませんでした。\r\n\r\nファイルが使用中の可能性があります。";
}

std::wstring NotRestoredText(const std::vector<std::wstring>& valueNames) {
  std::wstring text = L"次の登録を元に戻せませんでした。フォントは変更されています。";
  for (const auto& name : valueNames) text += L"\r\n" + name;
  return text;
}

int NeighbourIndex(int index, std::wstring_view N, const std::function<std::wstring(int)>& itemText) {
  int k = index - 1;
  while (k >= 0 && CutFontCharset(itemText(k)) == N) --k;
  return k;
}

bool IsFullPath(std::wstring_view data) {
  const bool drive = data.size() >= 3 && data[1] == L':' && (data[2] == L'\\' || data[2] == L'/');
  const bool unc = data.size() >= 2 && data[0] == L'\\' && data[1] == L'\\';
  return drive || unc;
}

std::wstring FontFilePath(std::wstring_view fontsFolder, std::wstring_view data) {
  if (IsFullPath(data)) return std::wstring(data);
  const bool rooted = !data.empty() && (data[0] == L'\\' || data[0] == L'/');
  if (rooted && fontsFolder.size() >= 2 && fontsFolder[1] == L':') return std::wstring(fontsFolder.substr(0, 2)) + std::wstring(data);
  return std::wstring(fontsFolder) + std::wstring(data);
}

std::vector<size_t> FirstOfEach(const std::vector<std::wstring>& keys) {
  std::vector<size_t> first;
  for (size_t i = 0; i < keys.size(); ++i)
    if (std::find(keys.begin(), keys.begin() + static_cast<std::ptrdiff_t>(i), keys[i]) == keys.begin() + static_cast<std::ptrdiff_t>(i))
      first.push_back(i);
  return first;
}

bool UsableShellPath(std::wstring_view path) {
  if (path.empty() || path.size() >= kMaxPath) return false;
  if (path.back() == L'\\' || path.back() == L'/' || path.back() == L':') return false;
  return path.find_first_of(L"?*") == std::wstring_view::npos;
}

}  // namespace mdl_RemoveFont
