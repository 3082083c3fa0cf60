#pragma once
// Which characters a face holds itself: its character map ('cmap' table), never the glyphs
// the platform borrows from a linked face for what it lacks. Pure: the table's bytes come
// from whoever asks the platform for them.
#include <string>
#include <string_view>
#include <vector>

namespace fonts {

struct CharRange {
  char32_t first, last;
  bool operator==(const CharRange&) const = default;
};

class CharMap {
 public:
  CharMap() = default;
  // Ranges sorted, apart and not touching.
  explicit CharMap(std::vector<CharRange> ranges) : ranges_(std::move(ranges)) {}
  bool Holds(char32_t c) const;
  bool HoldsAll(const std::vector<char32_t>& chars) const;
  const std::vector<CharRange>& Ranges() const { return ranges_; }
  // What keeping it costs.
  size_t Bytes() const { return sizeof *this + ranges_.capacity() * sizeof(CharRange); }
  bool operator==(const CharMap&) const = default;

 private:
  std::vector<CharRange> ranges_;
};

// The characters the table maps to a glyph other than the missing-glyph one, read from its
// best Unicode subtable as Windows picks it: the full repertoire (formats 12 and 13) before
// the Basic Multilingual Plane (formats 4 and 6), and a symbol font's map, which also holds
// the codes 0x20 to 0xFF it is drawn for. Whatever the table claims, only its own bytes are
// read, and reading takes a few milliseconds and a few hundred kilobytes at most: segments
// that overlap count once, the first one deciding; broken ones count not at all. Nothing
// for a table it cannot read.
CharMap ReadCharMap(std::string_view table);

// The distinct characters of a text that a face has to draw, in the order they first
// appear: line breaks, tabs, spaces and other control characters need none. A UTF-16 pair
// is one character; a lone half of one is a character of its own.
std::vector<char32_t> CharactersOf(std::wstring_view text);

// Those of the characters the map does not hold, in their order.
std::vector<char32_t> Lacking(const CharMap& map, const std::vector<char32_t>& chars);

// A character as UTF-16.
std::wstring ToUtf16(char32_t c);

}  // namespace fonts
