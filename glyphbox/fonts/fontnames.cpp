#include "fonts/fontnames.h"

#include <algorithm>
#include <new>
#include <optional>
#include <set>

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
// Name records may share their text, so a small table can stand for any number of long
// names: a real font names its family in a few dozen languages at most, in a few dozen
// characters. Beyond these, what is made of a file would grow with what it claims.
constexpr size_t kMaxFamilyRecords = 256;  // read in one face's name table
constexpr size_t kMaxNameChars = 127;
constexpr size_t kMaxNames = 256;  // kept of one file

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

// The table directory of the face that starts at `offset`, its header included.
std::optional<std::vector<unsigned char>> DirectoryOf(Reader& reader, uint64_t offset) {
  auto directory = reader.Bytes(offset, 12);
  if (!directory) return std::nullopt;
  // A collection's face that points back at the collection's own header is no face.
  const uint32_t version = U32(directory->data());
  if (version != kTrueType && version != kOpenType && version != kAppleTrueType) return std::nullopt;
  const uint16_t tables = std::min(U16(directory->data() + 4), kMaxTables);
  const auto records = reader.Bytes(offset + 12, size_t{16} * tables);
  if (!records) return std::nullopt;
  directory->insert(directory->end(), records->begin(), records->end());
  return directory;
}

// Where the name table of the face whose table directory starts at `offset` lies.
std::optional<Range> NameTableOf(Reader& reader, uint64_t offset) {
  const auto directory = DirectoryOf(reader, offset);
  if (!directory) return std::nullopt;
  for (size_t at = 12; at + 16 <= directory->size(); at += 16) {
    const unsigned char* r = directory->data() + at;
    if (U32(r) == kNameTag) return Range{U32(r + 8), U32(r + 12)};
  }
  return std::nullopt;
}

// The file's header and where each face's table directory starts: one face at the start of
// a font, the offsets its header lists in a collection. Nothing for a file cut short there.
struct Faces {
  std::vector<unsigned char> header;  // a collection's, with its offsets; empty for a font
  std::vector<uint64_t> offsets;
};
std::optional<Faces> FacesOf(Reader& reader) {
  auto head = reader.Bytes(0, 12);
  if (!head) return std::nullopt;
  if (U32(head->data()) != kCollection) return Faces{{}, {0}};
  const uint32_t count = std::min(U32(head->data() + 8), kMaxFaces);
  const auto offsets = reader.Bytes(12, size_t{4} * count);
  if (!offsets) return std::nullopt;
  Faces faces{std::move(*head), {}};
  faces.header.insert(faces.header.end(), offsets->begin(), offsets->end());
  for (uint32_t i = 0; i < count; ++i) faces.offsets.push_back(U32(offsets->data() + 4 * i));
  return faces;
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

class Names {
 public:
  void Add(const std::vector<unsigned char>& table) {
    if (table.size() < 6) return;
    const size_t count = U16(&table[2]), strings = U16(&table[4]);
    size_t family = 0;
    for (size_t i = 0; i < count && 6 + 12 * (i + 1) <= table.size() && family < kMaxFamilyRecords; ++i) {
      const unsigned char* r = &table[6 + 12 * i];
      const size_t length = U16(r + 8), start = strings + U16(r + 10);
      if (U16(r + 6) != kFamilyNameId) continue;
      ++family;
      // Two bytes a character but for Macintosh names, which are one.
      if (start > table.size() || length > table.size() - start || length > 2 * kMaxNameChars) continue;
      const auto name = Decode(U16(r), U16(r + 2), &table[start], length);
      if (!name || name->empty() || name->size() > kMaxNameChars || names_.size() == kMaxNames) continue;
      if (seen_.insert(*name).second) names_.push_back(*name);
    }
  }
  std::vector<std::wstring> Take() { return std::move(names_); }

 private:
  std::vector<std::wstring> names_;
  std::set<std::wstring> seen_;
};

}  // namespace

std::vector<std::wstring> FamilyNames(const ReadAt& read) {
  Names names;
  try {
    Reader reader(read);
    const auto faces = FacesOf(reader);
    if (!faces) return {};
    std::vector<uint32_t> tablesRead;  // the faces of a collection often share one
    for (const uint64_t face : faces->offsets) {
      const auto name = NameTableOf(reader, face);
      if (!name || name->length > kMaxNameTable) continue;
      if (std::find(tablesRead.begin(), tablesRead.end(), name->offset) != tablesRead.end()) continue;
      tablesRead.push_back(name->offset);
      if (const auto table = reader.Bytes(name->offset, name->length)) names.Add(*table);
    }
  } catch (const std::bad_alloc&) {
    // What was read so far stands.
  }
  return names.Take();
}

std::string FontFileHead(const ReadAt& read) {
  try {
    Reader reader(read);
    auto faces = FacesOf(reader);
    if (!faces) return {};
    // A font's header is its only face's directory; a collection's is followed by each face's.
    std::vector<unsigned char>& head = faces->header;
    for (const uint64_t face : faces->offsets) {
      const auto directory = DirectoryOf(reader, face);
      if (!directory) return {};
      head.insert(head.end(), directory->begin(), directory->end());
    }
    return std::string(head.begin(), head.end());
  } catch (const std::bad_alloc&) {
    return {};
  }
}

bool SameBytes(const ReadAt& a, const ReadAt& b, uint64_t size) {
  constexpr size_t kPiece = 64 * 1024;
  std::vector<unsigned char> x(kPiece), y(kPiece);
  for (uint64_t at = 0; at < size; at += kPiece) {
    const size_t n = static_cast<size_t>(std::min<uint64_t>(kPiece, size - at));
    if (a(at, x.data(), n) != n || b(at, y.data(), n) != n) return false;
    if (!std::equal(x.begin(), x.begin() + static_cast<std::ptrdiff_t>(n), y.begin())) return false;
  }
  return true;
}

}  // namespace mdl_RemoveFont
