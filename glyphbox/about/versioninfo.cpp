#include "about/versioninfo.h"

#include <string>

#include "ui/text.h"
#include "ui/win.h"

namespace about {

VersionInfo ReadVersionInfo() {
  VersionInfo info;
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  DWORD ignored = 0;
  std::string block(::GetFileVersionInfoSizeA(path, &ignored), '\0');
  if (block.empty() || !::GetFileVersionInfoA(path, 0, static_cast<DWORD>(block.size()), block.data())) return info;
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (::VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length) && fixed) {
    info.major = HIWORD(fixed->dwFileVersionMS);
    info.minor = LOWORD(fixed->dwFileVersionMS);
    info.revision = LOWORD(fixed->dwFileVersionLS);
  }
  char* copyright = nullptr;
  if (::VerQueryValueA(block.data(), "\\StringFileInfo\\041104B0\\LegalCopyright", reinterpret_cast<void**>(&copyright),
                       &length) &&
      copyright)
    info.copyright = ui::FromAnsi(copyright);
  return info;
}

}  // namespace about
