#pragma once
// The size box's arithmetic: how its text reads as a number, which size that gives the
// preview, and how the size is written back. Pure, so the edge cases are tested directly.
#include <string>
#include <string_view>

namespace preview {

constexpr float kDefaultSize = 9;
constexpr float kMaxSize = 460;

// Reads the leading number of a text: blanks, tabs and line feeds are ignored wherever they
// stand; then a sign, digits with at most one point and an exponent ("E", sign, digits), or
// "&H" / "&O" and a hexadecimal / octal integer. Reading stops at the first character that
// does not fit; a text that does not begin with a number reads 0. An exponent beyond the
// double range reads as an infinitely large (or small) number, never as an error.
double ReadNumber(std::wstring_view text);

// A double as a single-precision value; beyond the single range it becomes infinite
// (a plain conversion would be undefined there).
float ToSingle(double value);

// Not greater than 0 (or not a number): the default; above the maximum: the maximum.
float ClampSize(float size);

// What Enter in the size box applies: the text read, held as a single, clamped.
inline float SizeFromText(std::wstring_view text) { return ClampSize(ToSingle(ReadNumber(text))); }

// The shortest decimal form of a single-precision value with at most 7 significant digits:
// no trailing zeros, no trailing point ("9", "460", "10.5", "0.5"); exponent form only
// below 0.00001 or from ten million up ("1E-06", "1.5E+07").
std::wstring FormatSize(float size);

// The size box's character filter: "." and the digits are kept, Backspace and Enter pass,
// everything else is discarded (returns 0).
int FilterSizeKey(int c);

}  // namespace preview
