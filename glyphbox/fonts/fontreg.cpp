#include "fonts/fontreg.h"

#include <array>

#include "catalogue/nullcut.h"
#include "fonts/addbslash.h"
#include "fonts/shellfolder.h"
#include "mainwnd/appmessage.h"
#include "ui/handles.h"
#include "ui/text.h"

namespace mdl_RemoveFont {

namespace {

constexpr DWORD kNameChars = 255;
constexpr DWORD kDataBytes = 255;

int fontsFolderLookups = 0;
std::wstring fontsFolderOverride;

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

FontRegInfo GetFontRegInfo(std::wstring& strFontName, HWND owner) {
  FontRegInfo info;
  HKEY raw = nullptr;
  if (OpenFontRegKey(raw) == ERROR_SUCCESS) {
    ui::UniqueKey key(raw);
    info = ScanFontValues(strFontName, [&](DWORD i, char* name, DWORD* nameChars, BYTE* data, DWORD* dataBytes) {
      return ::RegEnumValueA(key.Get(), i, name, nameChars, nullptr, nullptr, data, dataBytes);
    });
  }
  if (info.lMax == -1) mainwnd::AppMessage(owner, L"フォント情報を取得できませんでした", MB_ICONERROR | MB_OK);
  return info;
}

std::wstring GetFontsFolder(HWND owner) {
  if (!fontsFolderOverride.empty()) return fontsFolderOverride;
  static std::wstring folder;
  if (folder.empty()) {
    ++fontsFolderLookups;
    folder = Cmmdl_AddBslash::AddBslash(mdl_SpecialFolder::GetSpecialFolder(owner, CSIDL_FONTS));
  }
  return folder;
}

int FontsFolderLookups() { return fontsFolderLookups; }

void OverrideFontsFolderForTest(std::wstring folder) { fontsFolderOverride = std::move(folder); }

}  // namespace mdl_RemoveFont
