// The family names font files carry, from files whole and broken.
#include "fonts/fontnames.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fontbytes.h"

using mdl_RemoveFont::FamilyNames;

namespace {

std::string Be(uint32_t v, int bytes) {
  std::string s;
  for (int i = bytes - 1; i >= 0; --i) s += static_cast<char>(v >> (8 * i));
  return s;
}

// A name table with a family name (Windows, UTF-16) in each of the given languages.
std::string NameTable(const std::vector<std::pair<uint16_t, std::u16string>>& names) {
  std::string records, strings;
  for (const auto& [language, text] : names) {
    records += Be(3, 2) + Be(1, 2) + Be(language, 2) + Be(1, 2) + Be(2 * text.size(), 2) + Be(strings.size(), 2);
    for (const char16_t c : text) strings += Be(c, 2);
  }
  return Be(0, 2) + Be(names.size(), 2) + Be(6 + records.size(), 2) + records + strings;
}

// A font whose one table is that name table, its table directory at `at` in the file.
std::string Font(const std::string& name, uint32_t at = 0) {
  return Be(0x00010000, 4) + Be(1, 2) + Be(0, 6) + "name" + Be(0, 4) + Be(at + 28, 4) + Be(name.size(), 4) + name;
}

}  // namespace

TEST(FontNames, AreReadFromSoundPartsOnlyAndWithinBounds) {
  const std::string mincho = Font(NameTable({{0x409, u"Gbx Mincho"}, {0x411, u"Gbx 明朝"}}));
  const std::string kaku = Font(NameTable({{0x411, u"Gbx 角ゴ"}}), 20);
  const auto patched = [&](size_t at, const std::string& bytes) { return std::string(mincho).replace(at, bytes.size(), bytes); };
  const std::string ttc = "ttcf" + Be(0x00010000, 4);
  struct Row {
    const char* what;
    std::string file;
    std::vector<std::wstring> names;
  };
  const Row rows[] = {
      {"a font", mincho, {L"Gbx Mincho", L"Gbx 明朝"}},
      {"two faces of a collection sharing one", ttc + Be(2, 4) + Be(20, 4) + Be(20, 4) + kaku, {L"Gbx 角ゴ"}},
      {"an empty file", "", {}},
      {"cut inside the header", mincho.substr(0, 6), {}},
      {"cut inside the table directory", mincho.substr(0, 20), {}},
      {"cut inside the name table", mincho.substr(0, mincho.size() - 1), {}},
      {"a name table past the end", patched(20, Be(0x7FFFFFF0, 4)), {}},
      {"a name table of 4 GB", patched(24, Be(0xFFFFFFFF, 4)), {}},
      {"a name record longer than its table", patched(28 + 6 + 8, Be(0xFFFF, 2)), {L"Gbx 明朝"}},
      {"a collection pointing at itself", ttc + Be(1, 4) + Be(0, 4), {}},
      {"a collection claiming four billion faces", ttc + Be(0xFFFFFFFF, 4) + std::string(4 * 64, '\0'), {}},
      {"not a font", "MZ not a font at all", {}},
  };
  for (const Row& r : rows) {
    size_t asked = 0;
    EXPECT_EQ(FamilyNames(ReadFromBytes(r.file, &asked)), r.names) << r.what;
    EXPECT_LE(asked, size_t{8} << 20) << r.what;
  }
}
