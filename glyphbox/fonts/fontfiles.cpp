#include "fonts/fontfiles.h"

#include <algorithm>

#include "fonts/fontnames.h"
#include "ui/handles.h"
#include "ui/text.h"

namespace mdl_RemoveFont {

namespace {

constexpr DWORD kWholeCollection = 0x66637474;  // 'ttcf', as GetFontData spells a table's tag
constexpr DWORD kWholeFile = 0;

struct Style {
  LONG weight;
  BYTE italic;
  bool operator==(const Style&) const = default;
};

int CALLBACK CollectFace(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM found) {
  try {
    // The same face comes once for every character set it covers.
    auto& faces = *reinterpret_cast<std::vector<LOGFONTA>*>(found);
    const Style style{font->lfWeight, font->lfItalic};
    if (std::none_of(faces.begin(), faces.end(), [&](const LOGFONTA& f) { return Style{f.lfWeight, f.lfItalic} == style; }))
      faces.push_back(*font);
  } catch (...) {
    // Out of memory: the faces found so far stand.
  }
  return 1;
}

}  // namespace

std::optional<std::vector<uint64_t>> LoadedFileSizes(std::wstring_view family) {
  const std::string name = ui::ToAnsi(family);
  if (name.empty() || name.size() >= LF_FACESIZE) return std::nullopt;
  LOGFONTA wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  name.copy(wanted.lfFaceName, name.size());
  const ui::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
  std::vector<LOGFONTA> faces;
  ::EnumFontFamiliesExA(dc.Get(), &wanted, &CollectFace, reinterpret_cast<LPARAM>(&faces), 0);
  if (faces.empty()) return std::nullopt;
  std::vector<uint64_t> sizes;
  for (const LOGFONTA& face : faces) {
    const ui::UniqueFont font(::CreateFontIndirectA(&face));
    if (!font) return std::nullopt;
    const ui::Selection selected(dc.Get(), font.Get());
    // A collection's face answers for the whole collection only when asked so.
    DWORD size = ::GetFontData(dc.Get(), kWholeCollection, 0, nullptr, 0);
    if (size == GDI_ERROR) size = ::GetFontData(dc.Get(), kWholeFile, 0, nullptr, 0);
    if (size == GDI_ERROR) return std::nullopt;
    sizes.push_back(size);
  }
  return sizes;
}

std::optional<uint64_t> FileSize(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;
  return uint64_t{data.nFileSizeHigh} << 32 | data.nFileSizeLow;
}

bool CarriesFamily(const std::wstring& path, std::wstring_view family) {
  const ui::UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  const ReadAt read = [&](uint64_t offset, unsigned char* into, size_t size) -> size_t {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD got = 0;
    return ::ReadFile(file.Get(), into, static_cast<DWORD>(size), &got, &at) ? got : 0;
  };
  const std::vector<std::wstring> names = FamilyNames(read);
  return std::find(names.begin(), names.end(), family) != names.end();
}

}  // namespace mdl_RemoveFont
