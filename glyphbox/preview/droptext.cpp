#include "preview/droptext.h"

#include <algorithm>

namespace preview {

namespace {

std::string_view UpToNul(std::string_view bytes) { return bytes.substr(0, bytes.find('\0')); }

void Append(std::wstring& text, char32_t code) {
  if (code < 0x10000) {
    text += static_cast<wchar_t>(code);
  } else {
    text += static_cast<wchar_t>(0xD800 + ((code - 0x10000) >> 10));
    text += static_cast<wchar_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
  }
}

// The length of the well-formed UTF-8 sequence at bytes[i] (its character in code), or 0;
// `split` when the bytes end inside a sequence that has gone well so far.
size_t SequenceAt(std::string_view bytes, size_t i, char32_t& code, bool& split) {
  const auto lead = static_cast<unsigned char>(bytes[i]);
  split = false;
  size_t length = 1;
  char32_t least = 0;
  if (lead < 0x80) {
    code = lead;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, code = lead & 0x1F, least = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, code = lead & 0x0F, least = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, code = lead & 0x07, least = 0x10000;
  } else {
    return 0;
  }
  for (size_t k = 1; k < length; ++k) {
    if (i + k >= bytes.size()) {
      split = true;
      return 0;
    }
    const auto next = static_cast<unsigned char>(bytes[i + k]);
    if ((next & 0xC0) != 0x80) return 0;
    code = code << 6 | (next & 0x3F);
  }
  // Overlong forms, surrogates and codes beyond Unicode are not UTF-8.
  if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

// Strictly, nothing unless every byte is part of a well-formed sequence; leniently (the file
// said it was UTF-8), a byte that is not reads as U+FFFD.
std::optional<std::wstring> FromUtf8(std::string_view bytes, bool cut, bool lenient) {
  std::wstring text;
  for (size_t i = 0; i < bytes.size();) {
    char32_t code = 0;
    bool split = false;
    size_t length = SequenceAt(bytes, i, code, split);
    if (length == 0) {
      if (split && cut) break;
      if (!lenient) return std::nullopt;
      code = 0xFFFD, length = 1;
    }
    Append(text, code);
    i += length;
  }
  return text;
}

std::wstring FromUtf16(std::string_view bytes, bool bigEndian, bool cut) {
  std::wstring text;
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto a = static_cast<unsigned char>(bytes[i]), b = static_cast<unsigned char>(bytes[i + 1]);
    const auto unit = static_cast<wchar_t>(bigEndian ? a << 8 | b : b << 8 | a);
    if (unit == 0) return text;
    text += unit;
  }
  // A half unit is nothing to show; a pair's first half without its second is what the
  // cut split.
  if (cut && !text.empty() && text.back() >= 0xD800 && text.back() <= 0xDBFF) text.pop_back();
  return text;
}

}  // namespace

std::optional<std::wstring> UnicodeText(std::string_view bytes, bool cut) {
  if (bytes.starts_with("\xEF\xBB\xBF")) {
    const std::string_view text = UpToNul(bytes.substr(3));
    return FromUtf8(text, cut && text.size() == bytes.size() - 3, true);
  }
  if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) return FromUtf16(bytes.substr(2), bytes[0] == '\xFE', cut);
  const std::string_view text = UpToNul(bytes);
  if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
    return std::nullopt;
  return FromUtf8(text, cut && text.size() == bytes.size(), false);
}

std::string_view AnsiBytes(std::string_view bytes, bool cut, const std::function<bool(char)>& isLeadByte) {
  const std::string_view text = UpToNul(bytes);
  if (!cut || text.size() != bytes.size()) return text;
  for (size_t i = 0; i < text.size(); i += isLeadByte(text[i]) ? 2 : 1)
    if (isLeadByte(text[i]) && i + 1 == text.size()) return text.substr(0, i);
  return text;
}

}  // namespace preview
