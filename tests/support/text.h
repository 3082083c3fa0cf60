#pragma once
// Text as the tests see it: the program's ANSI side is code page 932, whatever the host.
#include <string>
#include <string_view>

std::wstring FromCp932(std::string_view bytes);
std::string ToCp932(std::wstring_view text);
std::wstring FromUtf8(std::string_view bytes);
std::string ToUtf8(std::wstring_view text);
