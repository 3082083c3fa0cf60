#include "fonts/fileexists.h"

#include <string>

#include "ui/win.h"

namespace Cmmdl_FileExists {

bool FileExists(std::wstring_view path) noexcept {
  try {
    if (path.empty()) return false;
    const DWORD attributes = ::GetFileAttributesW(std::wstring(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
  } catch (...) {
    return false;
  }
}

}  // namespace Cmmdl_FileExists
