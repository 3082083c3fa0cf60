#pragma once
// The family names a font file gives its faces, read from the file's own name tables: the
// names the platform lists the faces by, in every language the file carries them in. Pure:
// the bytes come from whoever reads the file, and only the parts asked for are read.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace mdl_RemoveFont {

// Reads up to `size` bytes of the file at `offset` into `into`; returns how many it read
// (fewer at the end of the file, none past it or on failure).
using ReadAt = std::function<size_t(uint64_t offset, unsigned char* into, size_t size)>;

// Every family name of every face of a TrueType or OpenType font or collection, each once.
// A file of another kind gives none; one cut short or malformed gives what its sound parts
// hold. However the file lies, at most a few megabytes of it are asked for.
std::vector<std::wstring> FamilyNames(const ReadAt& read);

}  // namespace mdl_RemoveFont
