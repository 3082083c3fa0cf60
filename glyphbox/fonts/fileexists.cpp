#include "fonts/fileexists.h"

#include <string>

#include "ui/handles.h"
#include "ui/text.h"

namespace Cmmdl_FileExists {

bool FileExists(std::wstring_view path) noexcept {
  try {
    if (path.empty()) return false;
    // Share everything ourselves, so that only a handle that refuses reading makes it fail.
    ui::UniqueFile file(::CreateFileA(ui::ToAnsi(path).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return static_cast<bool>(file);
  } catch (...) {
    return false;
  }
}

}  // namespace Cmmdl_FileExists
