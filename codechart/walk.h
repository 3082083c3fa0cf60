#pragma once
// The codes Codechart walks and which converted characters it keeps. Pure.
#include <string_view>
#include <vector>

namespace codechart {

constexpr int kFirstCode = 1;
constexpr int kLastCode = 0xFC4B;

// The code after `code`, jumping over the ranges that are never tried; 0 after the last.
int NextCode(int code);
// Every code of the walk, in order.
std::vector<int> WalkCodes();
// The code's one or two bytes, high byte first.
std::vector<unsigned char> CodeBytes(int code);
// What a code's conversion amounts to: the text up to its first NUL. A lead byte followed
// by the byte 0 converts to the default character and a NUL; the NUL is the end of the
// text, not a character of the code.
std::wstring_view Character(std::wstring_view conversion);

// Whether a code's conversion is written: not a lone NUL, and not the code page's default
// character (except for its own code, 0x8145).
bool Keep(int code, std::wstring_view conversion);

}  // namespace codechart
