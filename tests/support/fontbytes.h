#pragma once
// A font file held in memory, read the way the program reads one from disk.
#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "fonts/fontnames.h"

// A number as a font file stores it: big-endian, in `bytes` bytes.
inline std::string Be(uint64_t v, int bytes) {
  std::string s;
  for (int i = bytes - 1; i >= 0; --i) s += static_cast<char>(v >> (8 * i));
  return s;
}

inline mdl_RemoveFont::ReadAt ReadFromBytes(std::string_view file, size_t* asked = nullptr) {
  return [file, asked](uint64_t offset, unsigned char* into, size_t size) {
    const size_t n = offset < file.size() ? static_cast<size_t>(std::min<uint64_t>(size, file.size() - offset)) : 0;
    if (asked) *asked += size;
    if (n) std::memcpy(into, file.data() + offset, n);
    return n;
  };
}
