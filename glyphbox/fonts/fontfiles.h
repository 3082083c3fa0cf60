#pragma once
// The font files behind the registry's values, as the platform has loaded them and as
// their own name tables describe them: how a font the registry names in another language
// is found.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mdl_RemoveFont {

// The sizes of the files the platform loaded the family's faces from. Nothing when it lists
// no face of that family, or cannot tell the file of one (a bitmap or vector font).
std::optional<std::vector<uint64_t>> LoadedFileSizes(std::wstring_view family);

// The size of the file at the path; nothing when no file stands there.
std::optional<uint64_t> FileSize(const std::wstring& path);

// Whether the file holds a face of that family, in any language its name tables carry.
bool CarriesFamily(const std::wstring& path, std::wstring_view family);

}  // namespace mdl_RemoveFont
