#pragma once
// Text is UTF-16 inside the program; these two are the only doors to the ANSI code page.
#include <string>
#include <string_view>

namespace ui {

std::string ToAnsi(std::wstring_view text);
std::wstring FromAnsi(std::string_view bytes);

}  // namespace ui
