#pragma once
// Text from a fixed-size buffer that the system filled: the part before the first NUL.
#include <string>
#include <string_view>

namespace Cmmdl_NullCut {

std::wstring NullCut(std::wstring_view text);

}  // namespace Cmmdl_NullCut
