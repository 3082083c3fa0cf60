#include "fonts/fontreg.h"

#include <algorithm>

#include "catalogue/nullcut.h"
#include "fonts/fontfiles.h"
#include "fonts/removalrules.h"
#include "fonts/shellfolder.h"
#include "mainwnd/appmessage.h"
#include "ui/handles.h"

namespace mdl_RemoveFont {

namespace {

constexpr DWORD kFirstName = 256, kFirstData = 512;
// The registry's own limits: value names of 16,383 characters; font values never come near
// a megabyte of data.
constexpr DWORD kMaxNameChars = 16384;
constexpr DWORD kMaxDataBytes = 1 << 20;

bool IsNt() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;  // 148
  ::GetVersionExA(&version);
  return version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

// The values of one key, as the matching reads them; false once there are no more.
bool NextValue(const EnumValueFn& enumValue, DWORD& index, FontRegEntry& value) {
  for (DWORD nameChars = kFirstName, dataBytes = kFirstData;;) {
    std::wstring name(nameChars, L'\0'), data(dataBytes / 2, L'\0');
    DWORD nameSize = nameChars, dataSize = dataBytes, type = REG_NONE;
    const LONG result = enumValue(index, name.data(), &nameSize, &type, reinterpret_cast<BYTE*>(data.data()), &dataSize);
    // Too long for the buffers: read again with larger ones (the data's size is reported, the
    // name's is not), up to what the registry can hold. Beyond that, what the buffers hold
    // is compared, as a value that was not read whole.
    if (result == ERROR_MORE_DATA && (nameChars < kMaxNameChars || dataBytes < kMaxDataBytes)) {
      nameChars = std::min(nameChars * 2, kMaxNameChars);
      dataBytes = std::min(std::max(dataBytes * 2, (dataSize + 3) & ~DWORD{1}), kMaxDataBytes);
      continue;
    }
    ++index;
    // Any other failure means the key cannot be read on: going on would ask for ever.
    if (result != ERROR_SUCCESS && result != ERROR_MORE_DATA) return false;
    value.strValueName = Cmmdl_NullCut::NullCut(name);
    value.strFileName = Cmmdl_NullCut::NullCut(data);
    value.data.assign(reinterpret_cast<const char*>(data.data()), std::min<size_t>(dataSize, data.size() * sizeof(wchar_t)));
    value.bComplete = result == ERROR_SUCCESS;
    value.lType = type;
    return true;
  }
}

EnumValueFn Walk(HKEY key) {
  if (!key) return {};
  return [key](DWORD i, wchar_t* name, DWORD* nameChars, DWORD* type, BYTE* data, DWORD* dataBytes) {
    return ::RegEnumValueW(key, i, name, nameChars, nullptr, type, data, dataBytes);
  };
}

}  // namespace

LONG OpenFontRegKey(HKEY& hKey) {
  const std::string path = std::string("SOFTWARE\\Microsoft\\Windows") + (IsNt() ? " NT" : "") + "\\CurrentVersion\\Fonts";
  // RegOpenKeyA asks for the most the caller may have: the removal needs to delete and
  // restore values, the scans only to read them.
  return ::RegOpenKeyA(HKEY_LOCAL_MACHINE, path.c_str(), &hKey);
}

LONG OpenUserFontRegKey(HKEY& hKey) {
  if (!IsNt()) return ERROR_FILE_NOT_FOUND;
  return ::RegOpenKeyA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts", &hKey);
}

FontKeys::FontKeys() {
  if (HKEY raw = nullptr; OpenFontRegKey(raw) == ERROR_SUCCESS) machine_.Reset(raw);
  if (HKEY raw = nullptr; OpenUserFontRegKey(raw) == ERROR_SUCCESS) user_.Reset(raw);
}

std::vector<FontRegEntry> ReadFontValues(const EnumValueFn& machine, const EnumValueFn& user) {
  std::vector<FontRegEntry> values;
  for (const auto& [key, walk] : {std::pair{FontKey::Machine, &machine}, std::pair{FontKey::User, &user}}) {
    if (!*walk) continue;
    FontRegEntry value;
    for (DWORD index = 0; NextValue(*walk, index, value);) {
      value.key = key;
      values.push_back(value);
    }
  }
  return values;
}

std::wstring FontFilePathOf(std::wstring_view fontsFolder, const FontRegEntry& entry) {
  if (entry.strFileName.find(L'%') == std::wstring::npos) return FontFilePath(fontsFolder, entry.strFileName);
  std::wstring data(::ExpandEnvironmentStringsW(entry.strFileName.c_str(), nullptr, 0), L'\0');
  data.resize(::ExpandEnvironmentStringsW(entry.strFileName.c_str(), data.data(), static_cast<DWORD>(data.size())));
  while (!data.empty() && data.back() == L'\0') data.pop_back();
  return FontFilePath(fontsFolder, data.empty() ? entry.strFileName : data);
}

FontPlacement PlaceFont(const FontKeys& keys, std::wstring& strFontName, std::wstring_view fontsFolder) {
  FontPlacement placement = MatchFontValues(
      strFontName, ReadFontValues(Walk(keys.Get(FontKey::Machine)), Walk(keys.Get(FontKey::User))));
  const std::wstring family = FamilyOfListName(strFontName);
  if (family.empty()) return placement;
  // The files the platform loaded the family from, found by their size without opening any
  // file of another size.
  const LoadedFamily loaded = LoadedFiles(family);
  bool placed = false;
  for (size_t i = 0; i < placement.values.size(); ++i) {
    if (!placement.chosen[i] && !loaded.files.empty())
      placement.chosen[i] = loaded.Holds(FontFilePathOf(fontsFolder, placement.values[i]));
    placed = placed || placement.chosen[i];
  }
  if (placed || loaded.whole) return placement;
  // The platform lists no such face, or cannot give its file (a bitmap font): every file
  // is asked for the family's name instead.
  for (size_t i = 0; i < placement.values.size(); ++i) {
    const std::wstring path = FontFilePathOf(fontsFolder, placement.values[i]);
    placement.chosen[i] = FileSize(path) && CarriesFamily(path, family);
  }
  return placement;
}

std::vector<std::wstring> FileNamesOnce(const FontRegInfo& info, std::wstring_view fontsFolder) {
  std::vector<std::wstring> paths, names;
  for (long i = 0; i <= info.lMax; ++i) paths.push_back(FontFilePathOf(fontsFolder, info.Entries[i]));
  for (const size_t i : FirstOfEach(FileKeys(paths))) names.push_back(info.Entries[i].strFileName);
  return names;
}

void ReportUnplaced(HWND owner) {
  mainwnd::AppMessage(owner, L"フォント情報を取得できませんでした", MB_ICONERROR | MB_OK);
}

FontRegInfo GetFontRegInfo(std::wstring& strFontName, HWND owner) {
  const FontRegInfo info = PlaceFont(FontKeys(), strFontName, GetFontsFolder(owner)).Info();
  if (info.lMax == -1) ReportUnplaced(owner);
  return info;
}

std::wstring GetFontsFolder(HWND owner) {
  static mdl_SpecialFolder::FolderCache folder(CSIDL_FONTS, &mdl_SpecialFolder::GetSpecialFolder);
  return folder.Get(owner);
}

}  // namespace mdl_RemoveFont
