#include "fonts/fontnames.h"

#include <algorithm>
#include <new>
#include <optional>

namespace mdl_RemoveFont {

namespace {

constexpr uint32_t kTrueType = 0x00010000, kOpenType = 0x4F54544F /* OTTO */, kAppleTrueType = 0x74727565 /* true */;
constexpr uint32_t kCollection = 0x74746366 /* ttcf */, kNameTag = 0x6E616D65 /* name */;
constexpr uint16_t kFamilyNameId = 1;
// Real collections hold a few dozen faces at most, and real fonts a few dozen tables.
constexpr uint32_t kMaxFaces = 64;
constexpr uint16_t kMaxTables = 1024;
constexpr size_t kMaxNameTable = size_t{1} << 20;
constexpr size_t kMaxRead = size_t{8} << 20;  // all that one file may cost

uint16_t U16(const unsigned char* p) { return static_cast<uint16_t>(p[0] << 8 | p[1]); }
uint32_t U32(const unsigned char* p) { return uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | p[3]; }

class Reader {
 public:
  explicit Reader(const ReadAt& read) : read_(read) {}
  // Exactly `size` bytes at `offset`, or nothing once the file or the budget ends first.
  std::optional<std::vector<unsigned char>> Bytes(uint64_t offset, size_t size) {
    if (size > budget_) return std::nullopt;
    budget_ -= size;
    std::vector<unsigned char> bytes(size);
    if (size > 0 && read_(offset, bytes.data(), size) != size) return std::nullopt;
    return bytes;
  }

 private:
  const ReadAt& read_;
  size_t budget_ = kMaxRead;
};

struct Range {
  uint32_t offset, length;
};

// Where the name table of the face whose table directory starts at `offset` lies.
std::optional<Range> NameTableOf(Reader& reader, uint64_t offset) {
  const auto head = reader.Bytes(offset, 12);
  if (!head) return std::nullopt;
  // A collection's face that points back at the collection's own header is no face.
  const uint32_t version = U32(head->data());
  if (version != kTrueType && version != kOpenType && version != kAppleTrueType) return std::nullopt;
  const uint16_t tables = std::min(U16(head->data() + 4), kMaxTables);
  const auto records = reader.Bytes(offset + 12, size_t{16} * tables);
  if (!records) return std::nullopt;
  for (size_t i = 0; i < tables; ++i) {
    const unsigned char* r = records->data() + 16 * i;
    if (U32(r) == kNameTag) return Range{U32(r + 8), U32(r + 12)};
  }
  return std::nullopt;
}

// A name record's text, where its platform and encoding say how to read it.
std::optional<std::wstring> Decode(uint16_t platform, uint16_t encoding, const unsigned char* s, size_t length) {
  std::wstring text;
  if (platform == 0 || (platform == 3 && (encoding == 0 || encoding == 1 || encoding == 10))) {
    for (size_t k = 0; k + 1 < length; k += 2) text += static_cast<wchar_t>(U16(s + k));  // UTF-16, big-endian
    return text;
  }
  // Macintosh Roman agrees with Unicode on its ASCII half only.
  if (platform == 1 && encoding == 0 && std::all_of(s, s + length, [](unsigned char c) { return c < 0x80; }))
    return std::wstring(s, s + length);
  return std::nullopt;
}

void AddFamilyNames(const std::vector<unsigned char>& table, std::vector<std::wstring>& names) {
  if (table.size() < 6) return;
  const size_t count = U16(&table[2]), strings = U16(&table[4]);
  for (size_t i = 0; i < count && 6 + 12 * (i + 1) <= table.size(); ++i) {
    const unsigned char* r = &table[6 + 12 * i];
    const size_t length = U16(r + 8), start = strings + U16(r + 10);
    if (U16(r + 6) != kFamilyNameId || start > table.size() || length > table.size() - start) continue;
    const auto name = Decode(U16(r), U16(r + 2), &table[start], length);
    if (name && !name->empty() && std::find(names.begin(), names.end(), *name) == names.end()) names.push_back(*name);
  }
}

}  // namespace

std::vector<std::wstring> FamilyNames(const ReadAt& read) {
  std::vector<std::wstring> names;
  try {
    Reader reader(read);
    const auto head = reader.Bytes(0, 12);
    if (!head) return names;
    std::vector<uint64_t> faces{0};  // where each face's table directory starts
    if (U32(head->data()) == kCollection) {
      const uint32_t count = std::min(U32(head->data() + 8), kMaxFaces);
      const auto offsets = reader.Bytes(12, size_t{4} * count);
      if (!offsets) return names;
      faces.clear();
      for (uint32_t i = 0; i < count; ++i) faces.push_back(U32(offsets->data() + 4 * i));
    }
    std::vector<uint32_t> tablesRead;  // the faces of a collection often share one
    for (const uint64_t face : faces) {
      const auto name = NameTableOf(reader, face);
      if (!name || name->length > kMaxNameTable) continue;
      if (std::find(tablesRead.begin(), tablesRead.end(), name->offset) != tablesRead.end()) continue;
      tablesRead.push_back(name->offset);
      if (const auto table = reader.Bytes(name->offset, name->length)) AddFamilyNames(*table, names);
    }
  } catch (const std::bad_alloc&) {
    // What was read so far stands.
  }
  return names;
}

}  // namespace mdl_RemoveFont
