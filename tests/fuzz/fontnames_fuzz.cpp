// Arbitrary bytes as a font file: the name reader must neither crash nor read past them.
#include <cstdint>

#include "support/fontbytes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  mdl_RemoveFont::FamilyNames(ReadFromBytes(std::string_view(reinterpret_cast<const char*>(data), size)));
  return 0;
}
