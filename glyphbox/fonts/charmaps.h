#pragma once
// The character maps of faces, as the platform loaded them.
#include <optional>
#include <string_view>

#include "fonts/charmap.h"
#include "ui/win.h"

namespace fonts {

// The map of a font the program made (the preview's, in its size and style); nothing when
// the platform gives none.
std::optional<CharMap> CharMapOf(HFONT font);

// The map of a listed face in its regular style (a vertical-writing "@" face has its
// horizontal twin's), selected into `dc` for the while; nothing when the platform stands in
// another face for it or gives no map.
std::optional<CharMap> CharMapOfFace(std::wstring_view face, HDC dc);

}  // namespace fonts
