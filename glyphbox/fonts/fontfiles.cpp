#include "fonts/fontfiles.h"

#include <algorithm>

#include "fonts/facedc.h"
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

// Reads the file the face selected into dc was loaded from, as GetFontData gives it.
ReadAt ReadFromFace(HDC dc, DWORD table, DWORD size) {
  return [dc, table, size](uint64_t offset, unsigned char* into, size_t bytes) -> size_t {
    if (offset >= size) return 0;
    const DWORD n = static_cast<DWORD>(std::min<uint64_t>(bytes, size - offset));
    const DWORD got = ::GetFontData(dc, table, static_cast<DWORD>(offset), into, n);
    return got == GDI_ERROR ? 0 : got;
  };
}

// The file the face selected into dc was loaded from; nothing when the platform cannot give
// its data. A collection's face answers for the whole collection only when asked so.
std::optional<LoadedFile> SelectedFile(HDC dc) {
  DWORD table = kWholeCollection;
  DWORD size = ::GetFontData(dc, table, 0, nullptr, 0);
  if (size == GDI_ERROR) size = ::GetFontData(dc, table = kWholeFile, 0, nullptr, 0);
  if (size == GDI_ERROR) return std::nullopt;
  LoadedFile file;
  file.print = {size, FontFileHead(ReadFromFace(dc, table, size))};
  file.table = table;
  return file;
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
  std::vector<LOGFONTA> faces;
  {
    const ui::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    ::EnumFontFamiliesExA(dc.Get(), &wanted, &CollectFace, reinterpret_cast<LPARAM>(&faces), 0);
  }
  loaded.whole = !faces.empty();
  for (const LOGFONTA& face : faces) {
    // The platform stands in another face for one it cannot make: that face's file is not
    // the family's.
    const fonts::FaceOnDc selected(face);
    auto file = selected.Selected() ? SelectedFile(selected.Dc()) : std::nullopt;
    if (file && !file->print.head.empty()) {
      file->face = face;
      loaded.files.push_back(std::move(*file));
    } else {
      loaded.whole = false;
    }
  }
  return loaded;
}

bool LoadedFamily::Holds(const std::wstring& path) const {
  const auto size = FileSize(path);
  if (!size || std::none_of(files.begin(), files.end(), [&](const LoadedFile& f) { return f.print.size == *size; }))
    return false;
  const ui::UniqueFile file = OpenForReading(path);
  if (!file) return false;
  const ReadAt fromFile = ReadFromFile(file.Get());
  const FontFilePrint print{*size, FontFileHead(fromFile)};
  for (const LoadedFile& loaded : files) {
    if (loaded.print != print) continue;
    const fonts::FaceOnDc selected(loaded.face);
    if (selected.Selected() &&
        SameBytes(ReadFromFace(selected.Dc(), loaded.table, static_cast<DWORD>(*size)), fromFile, *size))
      return true;
  }
  return false;
}

namespace {

std::wstring FoldedFullPath(const std::wstring& path) {
  std::wstring full(::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr), L'\0');
  full.resize(full.empty() ? 0 : ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr));
  if (full.empty()) full = path;
  std::wstring upper(full.size(), L'\0');
  const int n = ::LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, full.c_str(), static_cast<int>(full.size()),
                                upper.data(), static_cast<int>(upper.size()), nullptr, nullptr, 0);
  return n > 0 ? upper.substr(0, n) : full;
}

}  // namespace

std::vector<std::wstring> FileKeys(const std::vector<std::wstring>& paths) {
  std::vector<std::optional<uint64_t>> sizes;
  for (const auto& path : paths) sizes.push_back(FileSize(path));
  std::vector<std::wstring> keys;
  for (size_t i = 0; i < paths.size(); ++i) {
    const bool shared = sizes[i] && std::count(sizes.begin(), sizes.end(), sizes[i]) > 1;
    // Files of different sizes are different files; so is a file and a path where none is.
    keys.push_back(shared ? FileKey(paths[i]) : FoldedFullPath(paths[i]));
  }
  return keys;
}

std::wstring FileKey(const std::wstring& path) {
  const ui::UniqueFile file(::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (BY_HANDLE_FILE_INFORMATION info{}; file && ::GetFileInformationByHandle(file.Get(), &info)) {
    wchar_t id[40];
    ::wsprintfW(id, L"|%08lx:%08lx%08lx", info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow);
    return id;  // no path begins with "|"
  }
  return FoldedFullPath(path);
}

std::optional<uint64_t> FileSize(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;
  return uint64_t{data.nFileSizeHigh} << 32 | data.nFileSizeLow;
}

bool CarriesFamily(const std::wstring& path, std::wstring_view family) {
  const ui::UniqueFile file = OpenForReading(path);
  if (!file) return false;
  const std::vector<std::wstring> names = FamilyNames(ReadFromFile(file.Get()));
  return std::find(names.begin(), names.end(), family) != names.end();
}

}  // namespace mdl_RemoveFont
