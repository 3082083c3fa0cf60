#pragma once
// How the first bytes of a dropped file become the preview's text. Pure: the system's ANSI
// code page is the caller's to apply.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace preview {

// The text of a file that starts with the byte-order mark of UTF-8, UTF-16 LE or UTF-16 BE,
// or of one without a mark that is valid UTF-8 and not plain ASCII (Notepad saves UTF-8 so
// since Windows 10 1903), up to its first NUL character. `cut` says the bytes stop short of
// the file's end: a character split there is left out. Nothing for any other file.
std::optional<std::wstring> UnicodeText(std::string_view bytes, bool cut);

// Any other file's bytes for the ANSI code page: those before the first NUL, without the
// lead byte of a double-byte character that the cut left alone at the end.
std::string_view AnsiBytes(std::string_view bytes, bool cut, const std::function<bool(char)>& isLeadByte);

}  // namespace preview
