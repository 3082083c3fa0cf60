// The user-locale case tables; the only part of the matcher that asks the platform.
#include <array>
#include <memory>

#include "catalogue/casemap.h"
#include "ui/win.h"

namespace catalogue {

namespace {

// The tables come in blocks of 256 units, each mapped the first time one of its units is
// asked for: font names touch a handful of blocks, and mapping all 65,536 units up front
// cost a first gather about as much as ordering its names.
struct Block {
  std::array<wchar_t, 256> upper, lower;
};

std::unique_ptr<Block> MapBlock(unsigned high) {
  auto b = std::make_unique<Block>();
  for (unsigned i = 0; i < 256; ++i) b->upper[i] = b->lower[i] = static_cast<wchar_t>(high << 8 | i);
  // Surrogate halves have no case and would make the mapping stop early; so would a 0.
  if (high >= 0xD8 && high < 0xE0) return b;
  std::array<wchar_t, 256> all = b->upper;
  if (high == 0) all[0] = L' ';
  ::LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_UPPERCASE, all.data(), 256, b->upper.data(), 256);
  ::LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_LOWERCASE, all.data(), 256, b->lower.data(), 256);
  if (high == 0) b->upper[0] = b->lower[0] = 0;
  return b;
}

// Asked from the window's thread only.
const Block& BlockOf(wchar_t c) {
  static std::array<std::unique_ptr<Block>, 256> blocks;
  std::unique_ptr<Block>& b = blocks[c >> 8];
  if (!b) b = MapBlock(c >> 8);
  return *b;
}

wchar_t LocaleUpper(wchar_t c) { return BlockOf(c).upper[c & 0xFF]; }
wchar_t LocaleLower(wchar_t c) { return BlockOf(c).lower[c & 0xFF]; }

}  // namespace

CaseMap UserLocaleCaseMap() { return CaseMap{&LocaleUpper, &LocaleLower}; }

}  // namespace catalogue
