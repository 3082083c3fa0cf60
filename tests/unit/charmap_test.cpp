// Which characters a face holds itself, from character maps whole, broken and crafted.
#include "fonts/charmap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fontbytes.h"

using fonts::CharMap;
using fonts::ReadCharMap;

namespace {

struct Segment {
  uint16_t start, end, delta, rangeOffset;
};
// Format 4, its glyph id array after the segments.
std::string Format4(const std::vector<Segment>& segments, const std::vector<uint16_t>& glyphs = {}, size_t claimed = 0) {
  std::string ends, starts, deltas, offsets;
  for (const Segment& s : segments) ends += Be(s.end, 2), starts += Be(s.start, 2), deltas += Be(s.delta, 2), offsets += Be(s.rangeOffset, 2);
  std::string array;
  for (const uint16_t g : glyphs) array += Be(g, 2);
  const size_t x2 = claimed ? claimed : 2 * segments.size();
  return Be(4, 2) + Be(0, 2) + Be(0, 2) + Be(x2, 2) + Be(0, 6) + ends + Be(0, 2) + starts + deltas + offsets + array;
}

struct Group {
  uint32_t first, last, glyph;
};
std::string Format12(const std::vector<Group>& groups, uint32_t claimed = 0, uint16_t format = 12) {
  std::string s = Be(format, 2) + Be(0, 2) + Be(0, 4) + Be(0, 4) + Be(claimed ? claimed : groups.size(), 4);
  for (const Group& g : groups) s += Be(g.first, 4) + Be(g.last, 4) + Be(g.glyph, 4);
  return s;
}

struct Subtable {
  uint16_t platform, encoding;
  std::string bytes;
};
std::string Cmap(const std::vector<Subtable>& subtables) {
  std::string records, data;
  const size_t start = 4 + 8 * subtables.size();
  for (const Subtable& s : subtables) {
    records += Be(s.platform, 2) + Be(s.encoding, 2) + Be(start + data.size(), 4);
    data += s.bytes;
  }
  return Be(0, 2) + Be(subtables.size(), 2) + records + data;
}

std::string Describe(char32_t c) { return "U+" + testing::PrintToString(static_cast<uint32_t>(c)); }

}  // namespace

TEST(CharMapReader, HoldsWhatTheBestSubtableMapsToARealGlyph) {
  const Segment end{0xFFFF, 0xFFFF, 1, 0};
  const std::string abc = Format4({{0x41, 0x43, 0x10000 - 0x40, 0}, end});  // A B C -> glyphs 1 2 3
  struct Row {
    const char* what;
    std::string table;
    std::u32string holds, lacks;
  };
  const Row rows[] = {
      {"format 4, by a delta", Cmap({{3, 1, abc}}), U"ABC", U"D@\uFFFF"},
      {"format 4, through its glyph id array; an id 0 is the missing glyph",
       Cmap({{3, 1, Format4({{0x3042, 0x3044, 0, 4}, end}, {5, 0, 7})}}), U"\u3042\u3044", U"\u3043"},
      {"format 12 beside format 4: the whole repertoire wins",
       Cmap({{3, 1, abc}, {3, 10, Format12({{0x41, 0x41, 1}, {0x20BB7, 0x20BB7, 9}, {0x1F363, 0x1F363, 10}})}}),
       U"A\U00020BB7\U0001F363", U"BC"},
      {"format 12 whose group starts at the missing glyph", Cmap({{3, 10, Format12({{0x40, 0x42, 0}})}}), U"AB", U"@"},
      {"format 13: many codes to one glyph", Cmap({{3, 10, Format12({{0x4E00, 0x4E02, 7}, {0x41, 0x42, 0}}, 0, 13)}}),
       U"\u4E00\u4E02", U"AB"},
      {"overlapping segments: the first decides",
       Cmap({{3, 1, Format4({{0x41, 0x5A, 0x10000 - 0x41, 0}, {0x41, 0x42, 5, 0}, end})}}), U"BZ", U"A"},
      {"a segment backwards, one whose glyphs lie past the table",
       Cmap({{3, 1, Format4({{0x43, 0x41, 1, 0}, {0x61, 0x62, 0, 4000}, end})}}), U"", U"ABCab"},
      {"groups claimed past the table's end", Cmap({{3, 10, Format12({{0x41, 0x41, 1}, {0x42, 0x42, 2}}, 1000000)}}),
       U"AB", U"C"},
      {"segments claimed past the table's end", Cmap({{3, 1, Format4({{0x43, 0x43, 1, 0}}, {}, 60000)}}), U"", U"C"},
      {"a symbol font holds the codes it is drawn for", Cmap({{3, 0, Format4({{0xF041, 0xF042, 1, 0}, end})}}),
       U"AB\uF041", U"C"},
      {"a Macintosh map only: none Windows reads", Cmap({{1, 0, abc}}), U"", U"A"},
      {"no table", "", U"", U"A"},
      {"a subtable past the end", Be(0, 2) + Be(1, 2) + Be(3, 2) + Be(1, 2) + Be(99999, 4), U"", U"A"},
  };
  for (const Row& r : rows) {
    const CharMap map = ReadCharMap(r.table);
    for (const char32_t c : r.holds) EXPECT_TRUE(map.Holds(c)) << r.what << ": " << Describe(c);
    for (const char32_t c : r.lacks) EXPECT_FALSE(map.Holds(c)) << r.what << ": " << Describe(c);
  }
}

// Crafted to cost the most a table of its size can: every segment over the whole plane
// through the glyph id array, and groups in reverse order. Read in bounded time and memory.
TEST(CharMapReader, CraftedMapsStaySmall) {
  std::vector<Segment> segments(30000, Segment{0, 0xFFFE, 0, 2});
  std::vector<Group> groups;
  for (uint32_t c = 0x10FFFF; groups.size() < 65536; c -= 2) groups.push_back({c, c, 1});
  const std::string table = Cmap({{3, 1, Format4(segments, std::vector<uint16_t>(100, 1))}});
  const CharMap segmentMap = ReadCharMap(table);
  EXPECT_LE(segmentMap.Bytes(), 1024u) << "a few ranges";
  const CharMap groupMap = ReadCharMap(Cmap({{3, 10, Format12(groups)}}));
  EXPECT_EQ(groupMap.Ranges().size(), 65536u);
  EXPECT_LE(groupMap.Bytes(), 600u * 1024);
}

TEST(CharactersOfText, EachOnceWithoutSpacesAndControls) {
  struct Row {
    std::wstring text;
    std::u32string chars;
  };
  const Row rows[] = {
      {L"ABC \u304B\u306A\r\n\t\u91CE\u5BB6\u306E", U"ABC\u304B\u306A\u91CE\u5BB6\u306E"},
      {L"\U00020BB7\u91CE\u5BB6 \u32FF \U0001F363 \U00020BB7", U"\U00020BB7\u91CE\u5BB6\u32FF\U0001F363"},
      {std::wstring(L"a\xD842") + L"b\xDFB7", U"a\xD842" U"b\xDFB7"},  // halves of a pair apart
      {L"", U""},
  };
  for (const Row& r : rows) {
    const auto chars = fonts::CharactersOf(r.text);
    EXPECT_EQ(std::u32string(chars.begin(), chars.end()), r.chars) << testing::PrintToString(r.text);
  }
  const CharMap latin = ReadCharMap(Cmap({{3, 1, Format4({{0x20, 0x7E, 1, 0}, {0xFFFF, 0xFFFF, 1, 0}})}}));
  const auto lacking = fonts::Lacking(latin, fonts::CharactersOf(L"AB\u304B\U00020BB7C\u304B"));
  EXPECT_EQ(std::u32string(lacking.begin(), lacking.end()), U"\u304B\U00020BB7");
}
