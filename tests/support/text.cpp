#include "support/text.h"

#include <windows.h>

namespace {

std::wstring Decode(UINT codePage, std::string_view bytes) {
  std::wstring text(bytes.size(), L'\0');
  const int n = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(),
                                    static_cast<int>(text.size()));
  text.resize(n > 0 ? n : 0);
  return text;
}

std::string Encode(UINT codePage, std::wstring_view text) {
  std::string bytes(text.size() * 3, '\0');
  const int n = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), bytes.data(),
                                    static_cast<int>(bytes.size()), nullptr, nullptr);
  bytes.resize(n > 0 ? n : 0);
  return bytes;
}

}  // namespace

std::wstring FromCp932(std::string_view bytes) { return Decode(932, bytes); }
std::wstring FromUtf8(std::string_view bytes) { return Decode(CP_UTF8, bytes); }
std::string ToCp932(std::wstring_view text) { return Encode(932, text); }
std::string ToUtf8(std::wstring_view text) { return Encode(CP_UTF8, text); }
