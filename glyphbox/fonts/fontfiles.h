#pragma once
// The font files behind the registry's values, as the platform has loaded them and as
// their own bytes describe them: how a listed face finds its files whatever name the
// registry gives them.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/win.h"

namespace mdl_RemoveFont {

// What tells one font file from another: its size and its head (header and table
// directories, every table's checksum among them).
struct FontFilePrint {
  uint64_t size = 0;
  std::string head;
  bool operator==(const FontFilePrint&) const = default;
};

// A file the platform loaded one of the family's faces from, and the face that reads it.
struct LoadedFile {
  FontFilePrint print;
  LOGFONTA face{};
  unsigned long table = 0;  // what GetFontData is asked for: the whole collection or file
};

// The files the platform loaded the family's faces from; whole when it could tell the file
// of every face it lists (not of a bitmap or vector font, nor of a face it lists not at all).
struct LoadedFamily {
  std::vector<LoadedFile> files;
  bool whole = false;
  // Whether the file at the path is one of them: the same size, the same head, and then the
  // same bytes (a font renamed in place by a tool that does not recompute its checksums keeps
  // its head). Only a file of a size the platform loaded is opened.
  bool Holds(const std::wstring& path) const;
};
LoadedFamily LoadedFiles(std::wstring_view family);

// What names one file however a path spells it (case, a short name, "..", either slash):
// the file's identity (volume and index) where the file exists; else the full path in upper
// case, as the file system compares names.
std::wstring FileKey(const std::wstring& path);
// The same for each of the paths, equal where two name one file. Asking a file for its
// identity costs far more than sizing it: only files of a size another one has are asked.
std::vector<std::wstring> FileKeys(const std::vector<std::wstring>& paths);

// The size of the file at the path; nothing when no file stands there.
std::optional<uint64_t> FileSize(const std::wstring& path);

// Whether the file holds a face of that family, in any language its name tables carry.
bool CarriesFamily(const std::wstring& path, std::wstring_view family);

}  // namespace mdl_RemoveFont
