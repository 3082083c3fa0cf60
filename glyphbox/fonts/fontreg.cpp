#include "fonts/fontreg.h"

#include <array>

#include "catalogue/nullcut.h"
#include "fonts/shellfolder.h"
#include "mainwnd/appmessage.h"
#include "ui/handles.h"
#include "ui/text.h"

namespace mdl_RemoveFont {

namespace {

constexpr DWORD kNameChars = 255;
constexpr DWORD kDataBytes = 255;

}  // namespace

namespace {

bool IsNt() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;  // 148
  ::GetVersionExA(&version);
  return version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

// The values of one key, as the matching reads them; false once there are no more.
bool NextValue(const EnumValueFn& enumValue, DWORD& index, bool& done, FontRegEntry& value) {
  if (done || !enumValue) return false;
  std::array<char, kNameChars> name{};
  std::array<BYTE, kDataBytes> data{};
  DWORD nameChars = kNameChars, dataBytes = kDataBytes, type = REG_NONE;
  const LONG result = enumValue(index++, name.data(), &nameChars, &type, data.data(), &dataBytes);
  // A value too long for the buffers is compared with what they hold. Any other failure
  // means the key cannot be read on: going on would ask for ever.
  if (result != ERROR_SUCCESS && result != ERROR_MORE_DATA) {
    done = true;
    return false;
  }
  value.strValueName = Cmmdl_NullCut::NullCut(ui::FromAnsi(std::string_view(name.data(), name.size())));
  value.strFileName = Cmmdl_NullCut::NullCut(
      ui::FromAnsi(std::string_view(reinterpret_cast<const char*>(data.data()), data.size())));
  value.bComplete = result == ERROR_SUCCESS;
  value.lType = type;
  return true;
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

FontRegInfo ScanFontValues(std::wstring& strFontName, const EnumValueFn& machine, const EnumValueFn& user) {
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
    return true;
  };
  return MatchFontValues(strFontName, next);
}

FontRegInfo ScanFontKeys(const FontKeys& keys, std::wstring& strFontName) {
  return ScanFontValues(strFontName, Walk(keys.Get(FontKey::Machine)), Walk(keys.Get(FontKey::User)));
}

void ReportUnplaced(HWND owner) {
  mainwnd::AppMessage(owner, L"フォント情報を取得できませんでした", MB_ICONERROR | MB_OK);
}

FontRegInfo GetFontRegInfo(std::wstring& strFontName, HWND owner) {
  const FontRegInfo info = ScanFontKeys(FontKeys(), strFontName);
  if (info.lMax == -1) ReportUnplaced(owner);
  return info;
}

std::wstring GetFontsFolder(HWND owner) {
  static mdl_SpecialFolder::FolderCache folder(CSIDL_FONTS, &mdl_SpecialFolder::GetSpecialFolder);
  return folder.Get(owner);
}

}  // namespace mdl_RemoveFont
