#pragma once
// Everything the program tells the user goes through a message box titled with its name.
#include <string_view>

#include "ui/win.h"

namespace mainwnd {

inline constexpr std::wstring_view kAppTitle = L"Glyphora";

int AppMessage(HWND owner, std::wstring_view text, UINT flags);

}  // namespace mainwnd
