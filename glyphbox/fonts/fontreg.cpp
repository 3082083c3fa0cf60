#include "fonts/fontreg.h"

#include <algorithm>

#include "catalogue/nullcut.h"
#include "fonts/fontfiles.h"
#include "fonts/removalrules.h"
#include "fonts/shellfolder.h"
#include "mainwnd/appmessage.h"
#include "ui/handles.h"
#include "ui/text.h"

namespace mdl_RemoveFont {

namespace {

constexpr DWORD kFirstBuffer = 256;
// The registry's own limits: value names of 16,383 characters (two bytes each in a
// double-byte code page); font values never come near a megabyte of data.
constexpr DWORD kMaxNameBytes = 32768;
constexpr DWORD kMaxDataBytes = 1 << 20;

bool IsNt() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;  // 148
  ::GetVersionExA(&version);
  return version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

// The values of one key, as the matching reads them; false once there are no more.
bool NextValue(const EnumValueFn& enumValue, DWORD& index, bool& done, FontRegEntry& value) {
  if (done || !enumValue) return false;
  for (DWORD nameBytes = kFirstBuffer, dataBytes = kFirstBuffer;;) {
    std::string name(nameBytes, '\0'), data(dataBytes, '\0');
    DWORD nameSize = nameBytes, dataSize = dataBytes, type = REG_NONE;
    const LONG result = enumValue(index, name.data(), &nameSize, &type, reinterpret_cast<BYTE*>(data.data()), &dataSize);
    // Too long for the buffers: read again with larger ones (the data's size is reported, the
    // name's is not), up to what the registry can hold. Beyond that, what the buffers hold
    // is compared, as a value that was not read whole.
    if (result == ERROR_MORE_DATA && (nameBytes < kMaxNameBytes || dataBytes < kMaxDataBytes)) {
      nameBytes = std::min(nameBytes * 2, kMaxNameBytes);
      dataBytes = std::min(std::max(dataBytes * 2, dataSize + 1), kMaxDataBytes);
      continue;
    }
    ++index;
    // Any other failure means the key cannot be read on: going on would ask for ever.
    if (result != ERROR_SUCCESS && result != ERROR_MORE_DATA) {
      done = true;
      return false;
    }
    value.strValueName = Cmmdl_NullCut::NullCut(ui::FromAnsi(name));
    value.strFileName = Cmmdl_NullCut::NullCut(ui::FromAnsi(data));
    value.bComplete = result == ERROR_SUCCESS;
    value.lType = type;
    return true;
  }
}

EnumValueFn Walk(HKEY key) {
  if (!key) return {};
  return [key](DWORD i, char* name, DWORD* nameChars, DWORD* type, BYTE* data, DWORD* dataBytes) {
    return ::RegEnumValueA(key, i, name, nameChars, nullptr, type, data, dataBytes);
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

FontRegInfo ScanFontValues(std::wstring& strFontName, const EnumValueFn& machine, const EnumValueFn& user,
                           std::vector<FontRegEntry>* read) {
  FontKey key = FontKey::Machine;
  DWORD index = 0;
  bool done = false;
  const ValueSource next = [&](FontRegEntry& value) {
    if (key == FontKey::Machine && !NextValue(machine, index, done, value)) {
      key = FontKey::User;
      index = 0;
      done = false;
    }
    if (key == FontKey::User && !NextValue(user, index, done, value)) return false;
    value.key = key;
    if (read) read->push_back(value);
    return true;
  };
  return MatchFontValues(strFontName, next);
}

std::wstring FontFilePathOf(std::wstring_view fontsFolder, const FontRegEntry& entry) {
  std::wstring data(::ExpandEnvironmentStringsW(entry.strFileName.c_str(), nullptr, 0), L'\0');
  data.resize(::ExpandEnvironmentStringsW(entry.strFileName.c_str(), data.data(), static_cast<DWORD>(data.size())));
  while (!data.empty() && data.back() == L'\0') data.pop_back();
  return FontFilePath(fontsFolder, data.empty() ? entry.strFileName : data);
}

FontRegInfo PlaceFont(const FontKeys& keys, std::wstring& strFontName, const std::function<std::wstring()>& fontsFolder) {
  std::vector<FontRegEntry> values;
  FontRegInfo info = ScanFontValues(strFontName, Walk(keys.Get(FontKey::Machine)), Walk(keys.Get(FontKey::User)), &values);
  const std::wstring family = FamilyOfListName(strFontName);
  if (info.lMax >= 0 || family.empty()) return info;
  // Only the files the platform loaded the family from are opened, found by their sizes
  // without opening any; when it cannot tell those, every value's file is asked.
  const auto sizes = LoadedFileSizes(family);
  const std::wstring folder = fontsFolder();
  for (const FontRegEntry& value : values) {
    const std::wstring path = FontFilePathOf(folder, value);
    const auto size = FileSize(path);
    if (!size || (sizes && std::find(sizes->begin(), sizes->end(), *size) == sizes->end())) continue;
    if (CarriesFamily(path, family)) info.Entries.push_back(value);
  }
  info.lMax = static_cast<long>(info.Entries.size()) - 1;
  return info;
}

void ReportUnplaced(HWND owner) {
  mainwnd::AppMessage(owner, L"フォント情報を取得できませんでした", MB_ICONERROR | MB_OK);
}

FontRegInfo GetFontRegInfo(std::wstring& strFontName, HWND owner) {
  const FontRegInfo info = PlaceFont(FontKeys(), strFontName, [owner] { return GetFontsFolder(owner); });
  if (info.lMax == -1) ReportUnplaced(owner);
  return info;
}

std::wstring GetFontsFolder(HWND owner) {
  static mdl_SpecialFolder::FolderCache folder(CSIDL_FONTS, &mdl_SpecialFolder::GetSpecialFolder);
  return folder.Get(owner);
}

}  // namespace mdl_RemoveFont
