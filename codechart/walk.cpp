#include "walk.h"

namespace codechart {

int NextCode(int code) {
  int next = code + 1;
  if (next == 256) next = 0x8140;
  if (next == 0x9FFD) next = 0xE040;
  return next > kLastCode ? 0 : next;
}

std::vector<int> WalkCodes() {
  std::vector<int> codes;
  for (int code = kFirstCode; code != 0; code = NextCode(code)) codes.push_back(code);
  return codes;
}

std::vector<unsigned char> CodeBytes(int code) {
  if (code <= 0xFF) return {static_cast<unsigned char>(code)};
  return {static_cast<unsigned char>(code >> 8), static_cast<unsigned char>(code & 0xFF)};
}

std::wstring_view Character(std::wstring_view conversion) { return conversion.substr(0, conversion.find(L'\0')); }

bool Keep(int code, std::wstring_view conversion) {
  if (conversion.size() == 1 && conversion[0] == L'\0') return false;
  return !(Character(conversion) == L"\u30FB" && code != 0x8145);
}

}  // namespace codechart
