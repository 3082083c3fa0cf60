#pragma once
// What the copy commands put on the clipboard.
#include <string_view>

#include "ui/win.h"

namespace fonts {

// Replaces the clipboard's content with plain text (CF_TEXT, in the ANSI code page).
bool SetClipboardText(HWND owner, std::wstring_view text);

}  // namespace fonts
