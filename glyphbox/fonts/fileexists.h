#pragma once
#include <string_view>

namespace Cmmdl_FileExists {

// True when a file (not a folder) stands at the path, whether or not it can be opened now:
// a file another program holds open without sharing it is still there. Every failure (a
// bad path included) gives false.
bool FileExists(std::wstring_view path) noexcept;

}  // namespace Cmmdl_FileExists
