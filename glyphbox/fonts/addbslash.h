#pragma once
#include <string>
#include <string_view>

namespace Cmmdl_AddBslash {

// The path with exactly one trailing backslash added when it has none ("" gives "\").
std::wstring AddBslash(std::wstring_view path);

}  // namespace Cmmdl_AddBslash
