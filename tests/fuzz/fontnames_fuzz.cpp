// Arbitrary bytes as a font file and as a character map: the readers must neither crash nor
// read past them.
#include <cstdint>

#include "fonts/charmap.h"

#include "support/fontbytes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view file(reinterpret_cast<const char*>(data), size);
  mdl_RemoveFont::FamilyNames(ReadFromBytes(file));
  mdl_RemoveFont::FontFileHead(ReadFromBytes(file));
  fonts::ReadCharMap(file);
  return 0;
}
