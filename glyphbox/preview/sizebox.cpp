#include "preview/sizebox.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace preview {

namespace {

bool Ignored(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\n'; }

// The text without the characters the reader skips.
std::wstring Squeezed(std::wstring_view text) {
  std::wstring out;
  for (wchar_t c : text)
    if (!Ignored(c)) out += c;
  return out;
}

int DigitValue(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return 99;
}

double ReadInteger(std::wstring_view digits, int base) {
  double value = 0;
  for (wchar_t c : digits) {
    const int d = DigitValue(c);
    if (d >= base) break;
    value = value * base + d;
  }
  return value;
}

}  // namespace

double ReadNumber(std::wstring_view text) {
  const std::wstring s = Squeezed(text);
  if (s.size() >= 2 && s[0] == L'&') {
    const wchar_t kind = s[1];
    if (kind == L'H' || kind == L'h') return ReadInteger(std::wstring_view(s).substr(2), 16);
    if (kind == L'O' || kind == L'o') return ReadInteger(std::wstring_view(s).substr(2), 8);
    return 0;
  }
  // Collect the part that has the form of a decimal number, then let strtod read it.
  std::string number;
  size_t i = 0;
  if (i < s.size() && (s[i] == L'+' || s[i] == L'-')) number += static_cast<char>(s[i++]);
  bool digits = false, point = false;
  for (; i < s.size(); ++i) {
    if (s[i] >= L'0' && s[i] <= L'9') {
      digits = true;
      number += static_cast<char>(s[i]);
    } else if (s[i] == L'.' && !point) {
      point = true;
      number += '.';
    } else {
      break;
    }
  }
  if (!digits) return 0;
  if (i < s.size() && (s[i] == L'E' || s[i] == L'e')) {
    std::string exponent = "e";
    size_t j = i + 1;
    if (j < s.size() && (s[j] == L'+' || s[j] == L'-')) exponent += static_cast<char>(s[j++]);
    const size_t first = j;
    while (j < s.size() && s[j] >= L'0' && s[j] <= L'9') exponent += static_cast<char>(s[j++]);
    if (j > first) number += exponent;  // "1E" and "1E+" read as 1
  }
  // strtod saturates to infinity (or underflows to 0) beyond the double range.
  return std::strtod(number.c_str(), nullptr);
}

float ToSingle(double value) {
  if (value > std::numeric_limits<float>::max()) return std::numeric_limits<float>::infinity();
  if (value < -std::numeric_limits<float>::max()) return -std::numeric_limits<float>::infinity();
  return static_cast<float>(value);
}

float ClampSize(float size) {
  if (!(size > 0)) return kDefaultSize;
  if (size > kMaxSize) return kMaxSize;
  return size;
}

std::wstring FormatSize(float size) {
  // Fewest significant digits (up to 7) that still read back as the same single.
  char buffer[48] = {};
  int digits = 1;
  for (; digits < 7; ++digits) {
    std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, static_cast<double>(size));
    if (std::strtof(buffer, nullptr) == size) break;
  }
  std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, static_cast<double>(size));
  const int exponent = std::atoi(std::strchr(buffer, 'e') + 1);
  std::string text;
  if (exponent >= -5 && exponent < 7) {
    // Plain decimal, as for 9, 460, 10.5, 0.5.
    std::snprintf(buffer, sizeof buffer, "%.*f", std::max(0, digits - 1 - exponent), static_cast<double>(size));
    text = buffer;
    if (text.find('.') != std::string::npos) {
      text.erase(text.find_last_not_of('0') + 1);
      if (text.back() == '.') text.pop_back();
    }
  } else {
    // Tiny or huge: mantissa and exponent, as 1E-06 or 1.5E+07.
    std::string mantissa(buffer, std::strchr(buffer, 'e'));
    if (mantissa.find('.') != std::string::npos) {
      mantissa.erase(mantissa.find_last_not_of('0') + 1);
      if (mantissa.back() == '.') mantissa.pop_back();
    }
    std::snprintf(buffer, sizeof buffer, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    text = mantissa + buffer;
  }
  return std::wstring(text.begin(), text.end());
}

int FilterSizeKey(int c) {
  if (c == 13 || c == 8) return c;
  return c >= 46 && c <= 57 && c != 47 ? c : 0;
}

}  // namespace preview
