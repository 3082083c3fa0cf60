#pragma once
#include <string_view>

namespace mainwnd {

// What the preview shows until the user drops a file on it: one line each of ASCII
// punctuation, digits and symbols, Latin capitals and small letters, hiragana, katakana,
// half-width katakana, CJK symbols, and the first kanji of code page 932's first level,
// second level and extension rows. CR LF between lines, none after the last.
extern const std::wstring_view kSampleText;

}  // namespace mainwnd
