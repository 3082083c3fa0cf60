#pragma once
// What the copy commands put on the clipboard.
#include <string_view>

#include "ui/win.h"

namespace fonts {

// Replaces the clipboard's content with plain text, in the ANSI code page (CF_TEXT) and as
// UTF-16 (CF_UNICODETEXT).
bool SetClipboardText(HWND owner, std::wstring_view text);

}  // namespace fonts
