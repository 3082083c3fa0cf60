#pragma once
// The font files behind the registry's values, as the platform has loaded them and as
// their own bytes describe them: how a listed face finds its files whatever name the
// registry gives them.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mdl_RemoveFont {

// What tells one font file from another: its size and its head (header and table
// directories, every table's checksum among them).
struct FontFilePrint {
  uint64_t size = 0;
  std::string head;
  bool operator==(const FontFilePrint&) const = default;
};

// The files the platform loaded the family's faces from; whole when it could tell the file
// of every face it lists (not of a bitmap or vector font, nor of a face it lists not at all).
struct LoadedFamily {
  std::vector<FontFilePrint> files;
  bool whole = false;
};
LoadedFamily LoadedFiles(std::wstring_view family);

// The size of the file at the path; nothing when no file stands there.
std::optional<uint64_t> FileSize(const std::wstring& path);

// The file's head, read from the file; empty when it has none.
std::string FileHead(const std::wstring& path);

// Whether the file holds a face of that family, in any language its name tables carry.
bool CarriesFamily(const std::wstring& path, std::wstring_view family);

}  // namespace mdl_RemoveFont
