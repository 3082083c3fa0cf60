#include "fonts/charmaps.h"

#include <algorithm>
#include <string>
#include <vector>

#include "fonts/facedc.h"
#include "ui/text.h"

namespace fonts {

namespace {

constexpr DWORD kCmapTag = 0x70616D63;  // 'cmap', as GetFontData spells a table's tag
// Real character maps take a few hundred kilobytes at most; what lies beyond this is not read.
constexpr DWORD kMaxCmapBytes = DWORD{4} << 20;

std::optional<CharMap> CharMapOfSelected(HDC dc) {
  const DWORD size = ::GetFontData(dc, kCmapTag, 0, nullptr, 0);
  if (size != GDI_ERROR && size > 0) {
    std::string table(std::min(size, kMaxCmapBytes), '\0');
    const DWORD got = ::GetFontData(dc, kCmapTag, 0, table.data(), static_cast<DWORD>(table.size()));
    if (got != GDI_ERROR) {
      table.resize(got);
      return ReadCharMap(table);
    }
  }
  // A bitmap or vector font has no character map; the platform tells its repertoire, within
  // the Basic Multilingual Plane, from its character set.
  const DWORD bytes = ::GetFontUnicodeRanges(dc, nullptr);
  if (bytes == 0) return std::nullopt;
  std::vector<char> buffer(bytes);
  auto* set = reinterpret_cast<GLYPHSET*>(buffer.data());
  if (::GetFontUnicodeRanges(dc, set) == 0) return std::nullopt;
  std::vector<CharRange> ranges;
  for (DWORD i = 0; i < set->cRanges; ++i) {
    const char32_t first = set->ranges[i].wcLow, last = first + set->ranges[i].cGlyphs - 1;
    if (set->ranges[i].cGlyphs == 0) continue;
    if (!ranges.empty() && first <= ranges.back().last + 1)
      ranges.back().last = std::max(ranges.back().last, last);
    else
      ranges.push_back({first, last});
  }
  return CharMap(std::move(ranges));
}

}  // namespace

std::optional<CharMap> CharMapOf(HFONT font) {
  if (!font) return std::nullopt;
  const FaceOnDc selected(font);
  return CharMapOfSelected(selected.Dc());
}

std::optional<CharMap> CharMapOfFace(std::wstring_view face, HDC dc) {
  // The list's names came from the platform through the code page: so does this one.
  const std::string name = ui::ToAnsi(face.starts_with(L'@') ? face.substr(1) : face);
  if (name.empty() || name.size() >= LF_FACESIZE) return std::nullopt;
  LOGFONTA wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  name.copy(wanted.lfFaceName, name.size());
  const FaceOnDc selected(wanted, dc);
  if (!selected.Selected()) return std::nullopt;
  return CharMapOfSelected(selected.Dc());
}

}  // namespace fonts
