// The family names font files carry, from files whole and broken.
#include "fonts/fontnames.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fontbytes.h"

using mdl_RemoveFont::FamilyNames;
using mdl_RemoveFont::FontFileHead;

namespace {

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
  const std::string shared = ttc + Be(2, 4) + Be(20, 4) + Be(20, 4);
  struct Row {
    const char* what;
    std::string file;
    std::vector<std::wstring> names;
    std::string head;  // header and table directories; none when there is nothing to compare
  };
  const std::string font = mincho.substr(0, 28);
  const Row rows[] = {
      {"a font", mincho, {L"Gbx Mincho", L"Gbx 明朝"}, font},
      {"two faces of a collection sharing one", shared + kaku, {L"Gbx 角ゴ"}, shared + kaku.substr(0, 28) + kaku.substr(0, 28)},
      {"an empty file", "", {}, ""},
      {"cut inside the header", mincho.substr(0, 6), {}, ""},
      {"cut inside the table directory", mincho.substr(0, 20), {}, ""},
      {"cut inside the name table", mincho.substr(0, mincho.size() - 1), {}, font},
      {"a name table past the end", patched(20, Be(0x7FFFFFF0, 4)), {}, patched(20, Be(0x7FFFFFF0, 4)).substr(0, 28)},
      {"a name table of 4 GB", patched(24, Be(0xFFFFFFFF, 4)), {}, patched(24, Be(0xFFFFFFFF, 4)).substr(0, 28)},
      {"a name record longer than its table", patched(28 + 6 + 8, Be(0xFFFF, 2)), {L"Gbx 明朝"}, font},
      {"a collection pointing at itself", ttc + Be(1, 4) + Be(0, 4), {}, ""},
      {"a collection claiming four billion faces", ttc + Be(0xFFFFFFFF, 4) + std::string(4 * 64, '\0'), {}, ""},
      {"not a font", "MZ not a font at all", {}, ""},
  };
  for (const Row& r : rows) {
    size_t asked = 0;
    EXPECT_EQ(FamilyNames(ReadFromBytes(r.file, &asked)), r.names) << r.what;
    EXPECT_LE(asked, size_t{8} << 20) << r.what;
    EXPECT_EQ(FontFileHead(ReadFromBytes(r.file)), r.head) << r.what;
  }
}

// Names no real font has: what is made of a file must not grow with what its tables claim.
TEST(FontNames, ACraftedTableMakesFewShortNames) {
  // Family records whose texts overlap in a string storage that is the records themselves.
  const auto crafted = [](size_t count, size_t chars) {
    std::string records;
    for (size_t i = 0; i < count; ++i) records += Be(0x00030001, 4) + Be(0x409, 2) + Be(1, 2) + Be(2 * chars, 2) + Be(2 * i, 2);
    return Be(0, 2) + Be(count, 2) + Be(6, 2) + records;
  };
  const std::string many = Font(crafted(65535, 16));
  std::string ten = "ttcf" + Be(0x00010000, 4) + Be(10, 4);
  for (size_t i = 0; i < 10; ++i) ten += Be(52 + i * many.size(), 4);
  for (size_t i = 0; i < 10; ++i) ten += Font(crafted(65535, 16), 52 + i * many.size());
  for (const auto& [what, file] : {std::pair{"65,535 overlapping family names", many},
                                   std::pair{"8,000 names of 32,767 characters", Font(crafted(8000, 32767))},
                                   std::pair{"a collection of ten such faces", ten}}) {
    size_t chars = 0;
    const auto names = FamilyNames(ReadFromBytes(file));
    for (const auto& name : names) chars += name.size();
    EXPECT_LE(names.size(), 256u) << what;
    EXPECT_LE(chars, 256u * 127) << what;
  }
}
