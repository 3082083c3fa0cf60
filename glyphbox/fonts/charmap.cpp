#include "fonts/charmap.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <unordered_set>

namespace fonts {

namespace {

constexpr char32_t kLastCode = 0x10FFFF;
constexpr uint32_t kBmpCodes = 0x10000;  // codes of the Basic Multilingual Plane
// Real fonts map their repertoire in a few thousand groups; a table claiming more is read as
// far as this, so that sorting what it claims stays within milliseconds.
constexpr size_t kMaxGroups = size_t{1} << 16;

// The bytes of a table, read only where they are.
class Bytes {
 public:
  explicit Bytes(std::string_view bytes) : b_(bytes) {}
  bool Has(size_t at, size_t n) const { return at <= b_.size() && n <= b_.size() - at; }
  uint16_t U16(size_t at) const { return static_cast<uint16_t>(Byte(at) << 8 | Byte(at + 1)); }
  uint32_t U32(size_t at) const { return uint32_t{U16(at)} << 16 | U16(at + 2); }
  size_t Size() const { return b_.size(); }
  Bytes From(size_t at) const { return Bytes(at <= b_.size() ? b_.substr(at) : std::string_view()); }

 private:
  unsigned Byte(size_t at) const { return static_cast<unsigned char>(b_[at]); }
  std::string_view b_;
};

// Ranges as they are found, made sorted, apart and not touching at the end.
class RangeList {
 public:
  void Add(char32_t first, char32_t last) {
    if (!ranges_.empty() && ranges_.back().last + 1 == first)
      ranges_.back().last = last;  // the common case: one code after another
    else
      ranges_.push_back({first, last});
  }
  CharMap Done() {
    const auto byFirst = [](const CharRange& a, const CharRange& b) { return a.first < b.first; };
    if (!std::is_sorted(ranges_.begin(), ranges_.end(), byFirst)) std::sort(ranges_.begin(), ranges_.end(), byFirst);
    std::vector<CharRange> merged;
    for (const CharRange& r : ranges_) {
      if (!merged.empty() && r.first <= merged.back().last + 1)
        merged.back().last = std::max(merged.back().last, r.last);
      else
        merged.push_back(r);
    }
    merged.shrink_to_fit();
    return CharMap(std::move(merged));
  }

 private:
  std::vector<CharRange> ranges_;
};

// Format 4: segments of the Basic Multilingual Plane. Each code is decided once, by the
// first segment that holds it, however many segments overlap: only the part of a segment
// that no segment before it covered is looked at.
void ReadSegments(const Bytes& t, RangeList& out) {
  if (!t.Has(0, 14)) return;
  const size_t x2 = t.U16(6);
  const size_t ends = 14, starts = 16 + x2, deltas = 16 + 2 * x2, offsets = 16 + 3 * x2;
  // A table cut short holds the segments whose four values are all there.
  const size_t count = t.Has(offsets, 0) ? std::min(x2 / 2, (t.Size() - offsets) / 2) : 0;
  std::map<uint32_t, uint32_t> decided;  // first code to last, apart and not touching
  for (size_t i = 0; i < count; ++i) {
    const uint32_t start = t.U16(starts + 2 * i), end = t.U16(ends + 2 * i);
    const uint16_t delta = t.U16(deltas + 2 * i), offset = t.U16(offsets + 2 * i);
    if (start > end) continue;
    // Decides the codes first to last, which no segment before this one covered.
    const auto decide = [&](uint32_t first, uint32_t last) {
      if (offset == 0) {
        // Each code goes to code + delta: all but one are real glyphs.
        const uint32_t missing = (0x10000u - delta) & 0xFFFF;
        if (missing < first || missing > last) return out.Add(first, last);
        if (missing > first) out.Add(first, missing - 1);
        if (missing < last) out.Add(missing + 1, last);
        return;
      }
      // Through the glyph id array: codes whose entry lies past the table have none.
      const size_t base = offsets + 2 * i + offset;
      if (!t.Has(base, 2)) return;
      const uint32_t inTable = static_cast<uint32_t>(std::min<size_t>(last, start + (t.Size() - base) / 2 - 1));
      for (uint32_t c = first; c <= inTable; ++c) {
        const uint16_t id = t.U16(base + 2 * (c - start));
        if (id != 0 && static_cast<uint16_t>(id + delta) != 0) out.Add(c, c);
      }
    };
    uint32_t c = start;
    auto it = decided.upper_bound(start);
    if (it != decided.begin() && std::prev(it)->second >= start) c = std::prev(it)->second + 1;
    while (c <= end) {
      it = decided.lower_bound(c);
      const uint32_t gapEnd = it == decided.end() || it->first > end ? end : it->first - 1;
      decide(c, gapEnd);
      c = it == decided.end() || it->first > end ? end + 1 : it->second + 1;
    }
    // This segment's codes are decided now: one entry for them and every entry they touch.
    uint32_t first = start, last = end;
    it = decided.upper_bound(start);
    if (it != decided.begin() && std::prev(it)->second + 1 >= start) --it;
    while (it != decided.end() && it->first <= end + 1) {
      first = std::min(first, it->first);
      last = std::max(last, it->second);
      it = decided.erase(it);
    }
    decided.emplace(first, last);
  }
}

// Format 6: one run of codes.
void ReadRun(const Bytes& t, RangeList& out) {
  if (!t.Has(0, 10)) return;
  const uint32_t first = t.U16(6), count = t.U16(8);
  for (uint32_t k = 0; k < count && first + k < kBmpCodes && t.Has(10 + 2 * k, 2); ++k)
    if (t.U16(10 + 2 * k) != 0) out.Add(first + k, first + k);
}

// Formats 12 and 13: groups of codes over all of Unicode, each to consecutive glyphs (12) or
// to one glyph (13).
void ReadGroups(const Bytes& t, bool oneGlyph, RangeList& out) {
  if (!t.Has(0, 16)) return;
  const size_t count = std::min<size_t>({t.U32(12), (t.Size() - 16) / 12, kMaxGroups});
  for (size_t i = 0; i < count; ++i) {
    const size_t at = 16 + 12 * i;
    const char32_t first = t.U32(at), last = std::min<char32_t>(t.U32(at + 4), kLastCode);
    const uint32_t glyph = t.U32(at + 8);
    if (glyph == 0 && oneGlyph) continue;
    // The first code of a group that starts at glyph 0 is drawn with the missing glyph.
    const char32_t from = glyph == 0 ? first + 1 : first;
    if (from <= last && from >= first) out.Add(from, last);
  }
}

// How much Windows wants a subtable (platform, encoding, format); 0 not at all.
int Rank(uint16_t platform, uint16_t encoding, uint16_t format) {
  const bool full = format == 12 || format == 13, bmp = format == 4 || format == 6;
  if (full && platform == 3 && encoding == 10) return 6;
  if (full && platform == 0 && (encoding == 4 || encoding == 6)) return 5;
  if ((full || bmp) && platform == 3 && encoding == 1) return 4;
  if ((full || bmp) && platform == 0 && encoding <= 3) return 3;
  if (bmp && platform == 3 && encoding == 0) return 2;  // a symbol font
  return 0;
}

}  // namespace

bool CharMap::Holds(char32_t c) const {
  const auto it = std::upper_bound(ranges_.begin(), ranges_.end(), c, [](char32_t v, const CharRange& r) { return v < r.first; });
  return it != ranges_.begin() && c <= std::prev(it)->last;
}

bool CharMap::HoldsAll(const std::vector<char32_t>& chars) const {
  return std::all_of(chars.begin(), chars.end(), [&](char32_t c) { return Holds(c); });
}

CharMap ReadCharMap(std::string_view table) {
  const Bytes t(table);
  if (!t.Has(0, 4)) return {};
  int best = 0;
  size_t offset = 0;
  uint16_t format = 0;
  bool symbol = false;
  for (size_t i = 0, n = t.U16(2); i < n && t.Has(4 + 8 * i, 8); ++i) {
    const size_t record = 4 + 8 * i;
    const uint32_t at = t.U32(record + 4);
    if (!t.Has(at, 2)) continue;
    const int rank = Rank(t.U16(record), t.U16(record + 2), t.U16(at));
    if (rank <= best) continue;
    best = rank, offset = at, format = t.U16(at), symbol = rank == 2;
  }
  RangeList ranges;
  const Bytes sub = t.From(offset);
  if (format == 4) ReadSegments(sub, ranges);
  if (format == 6) ReadRun(sub, ranges);
  if (format == 12 || format == 13) ReadGroups(sub, format == 13, ranges);
  CharMap map = ranges.Done();
  if (!symbol) return map;
  // Windows draws the codes 0x20 to 0xFF in a symbol font from its private codes 0xF020 on.
  RangeList withLow;
  for (const CharRange& r : map.Ranges()) {
    if (r.last >= 0xF020 && r.first <= 0xF0FF)
      withLow.Add(std::max<char32_t>(r.first, 0xF020) - 0xF000, std::min<char32_t>(r.last, 0xF0FF) - 0xF000);
  }
  for (const CharRange& r : map.Ranges()) withLow.Add(r.first, r.last);
  return withLow.Done();
}

std::vector<char32_t> CharactersOf(std::wstring_view text) {
  std::vector<char32_t> chars;
  std::unordered_set<char32_t> seen;
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t c = static_cast<char16_t>(text[i]);
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
      c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char16_t>(text[++i]) - 0xDC00);
    if (c <= 0x20 || (c >= 0x7F && c <= 0x9F)) continue;
    if (seen.insert(c).second) chars.push_back(c);
  }
  return chars;
}

std::vector<char32_t> Lacking(const CharMap& map, const std::vector<char32_t>& chars) {
  std::vector<char32_t> lacking;
  for (const char32_t c : chars)
    if (!map.Holds(c)) lacking.push_back(c);
  return lacking;
}

std::wstring ToUtf16(char32_t c) {
  if (c < 0x10000) return std::wstring(1, static_cast<wchar_t>(c));
  return {static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10)), static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF))};
}

}  // namespace fonts
