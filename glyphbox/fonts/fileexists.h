#pragma once
#include <string_view>

namespace Cmmdl_FileExists {

// True when the file can be opened for reading now; every failure (missing, a folder, no
// access, another handle that refuses to share reading, a bad path) gives false.
bool FileExists(std::wstring_view path) noexcept;

}  // namespace Cmmdl_FileExists
