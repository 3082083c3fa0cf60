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

// The file the face selected into dc was loaded from; nothing when the platform cannot give
// its data. A collection's face answers for the whole collection only when asked so.
std::optional<FontFilePrint> SelectedFile(HDC dc) {
  DWORD table = kWholeCollection;
  DWORD size = ::GetFontData(dc, table, 0, nullptr, 0);
  if (size == GDI_ERROR) size = ::GetFontData(dc, table = kWholeFile, 0, nullptr, 0);
  if (size == GDI_ERROR) return std::nullopt;
  const ReadAt read = [&](uint64_t offset, unsigned char* into, size_t bytes) -> size_t {
    if (offset >= size) return 0;
    const DWORD n = static_cast<DWORD>(std::min<uint64_t>(bytes, size - offset));
    const DWORD got = ::GetFontData(dc, table, static_cast<DWORD>(offset), into, n);
    return got == GDI_ERROR ? 0 : got;
  };
  return FontFilePrint{size, FontFileHead(read)};
}

ReadAt ReadFromFile(HANDLE file) {
  return [file](uint64_t offset, unsigned char* into, size_t size) -> size_t {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD got = 0;
    return ::ReadFile(file, into, static_cast<DWORD>(size), &got, &at) ? got : 0;
  };
}

ui::UniqueFile OpenForReading(const std::wstring& path) {
  return ui::UniqueFile(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

}  // namespace

LoadedFamily LoadedFiles(std::wstring_view family) {
  LoadedFamily loaded;
  // The list's names came from the platform through the code page: so does this one.
  const std::string name = ui::ToAnsi(family);
  if (name.empty() || name.size() >= LF_FACESIZE) return loaded;
  LOGFONTA wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  name.copy(wanted.lfFaceName, name.size());
  const ui::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
  std::vector<LOGFONTA> faces;
  ::EnumFontFamiliesExA(dc.Get(), &wanted, &CollectFace, reinterpret_cast<LPARAM>(&faces), 0);
  loaded.whole = !faces.empty();
  for (const LOGFONTA& face : faces) {
    const ui::UniqueFont font(::CreateFontIndirectA(&face));
    const ui::Selection selected(dc.Get(), font.Get());
    // The platform stands in another face for one it cannot make: that face's file is not
    // the family's.
    char selectedName[LF_FACESIZE] = {};
    ::GetTextFaceA(dc.Get(), LF_FACESIZE, selectedName);
    const auto file = font && ::lstrcmpiA(selectedName, face.lfFaceName) == 0 ? SelectedFile(dc.Get()) : std::nullopt;
    if (file && !file->head.empty())
      loaded.files.push_back(*file);
    else
      loaded.whole = false;
  }
  return loaded;
}

std::optional<uint64_t> FileSize(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;
  return uint64_t{data.nFileSizeHigh} << 32 | data.nFileSizeLow;
}

std::string FileHead(const std::wstring& path) {
  const ui::UniqueFile file = OpenForReading(path);
  return file ? FontFileHead(ReadFromFile(file.Get())) : std::string();
}

bool CarriesFamily(const std::wstring& path, std::wstring_view family) {
  const ui::UniqueFile file = OpenForReading(path);
  if (!file) return false;
  const std::vector<std::wstring> names = FamilyNames(ReadFromFile(file.Get()));
  return std::find(names.begin(), names.end(), family) != names.end();
}

}  // namespace mdl_RemoveFont
