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

LONG OpenFontRegKey(HKEY& hKey) {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;  // 148
  ::GetVersionExA(&version);
  std::string path = "SOFTWARE\\Microsoft\\Windows";
  if (version.dwPlatformId == VER_PLATFORM_WIN32_NT) path += " NT";
  path += "\\CurrentVersion\\Fonts";
  // RegOpenKeyA asks for full access, which the removal needs to delete and restore values.
  return ::RegOpenKeyA(HKEY_LOCAL_MACHINE, path.c_str(), &hKey);
}

FontRegInfo ScanFontValues(std::wstring& strFontName, const EnumValueFn& enumValue) {
  DWORD index = 0;
  bool done = false;
  const ValueSource next = [&](FontRegEntry& value) {
    if (done) return false;
    std::array<char, kNameChars> name{};
    std::array<BYTE, kDataBytes> data{};
    DWORD nameChars = kNameChars, dataBytes = kDataBytes;
    const LONG result = enumValue(index++, name.data(), &nameChars, data.data(), &dataBytes);
    if (result == ERROR_NO_MORE_ITEMS) return false;
    // A value too long for the buffers is compared with what they hold. Any other failure
    // means the key cannot be read on: going on would ask for ever.
    if (result != ERROR_SUCCESS && result != ERROR_MORE_DATA) {
      done = true;
      return false;
    }
    value.strValueName =
        Cmmdl_NullCut::NullCut(ui::FromAnsi(std::string_view(name.data(), name.size())));
    value.strFileName = Cmmdl_NullCut::NullCut(
        ui::FromAnsi(std::string_view(reinterpret_cast<const char*>(data.data()), data.size())));
    value.bComplete = result == ERROR_SUCCESS;
    return true;
  };
  return MatchFontValues(strFontName, next);
}

FontRegInfo ScanFontKey(HKEY key, std::wstring& strFontName) {
  return ScanFontValues(strFontName, [key](DWORD i, char* name, DWORD* nameChars, BYTE* data, DWORD* dataBytes) {
    return ::RegEnumValueA(key, i, name, nameChars, nullptr, nullptr, data, dataBytes);
  });
}

void ReportUnplaced(HWND owner) {
  mainwnd::AppMessage(owner, L"フォント情報を取得できませんでした", MB_ICONERROR | MB_OK);
}

FontRegInfo GetFontRegInfo(std::wstring& strFontName, HWND owner) {
  FontRegInfo info;
  if (HKEY raw = nullptr; OpenFontRegKey(raw) == ERROR_SUCCESS) {
    const ui::UniqueKey key(raw);
    info = ScanFontKey(key.Get(), strFontName);
  }
  if (info.lMax == -1) ReportUnplaced(owner);
  return info;
}

std::wstring GetFontsFolder(HWND owner) {
  static mdl_SpecialFolder::FolderCache folder(CSIDL_FONTS, &mdl_SpecialFolder::GetSpecialFolder);
  return folder.Get(owner);
}

}  // namespace mdl_RemoveFont
