#pragma once
// What a font file's own bytes say of it: the family names it gives its faces, in every
// language it carries them in, and the head that tells it from another file of the same
// size. Pure: the bytes come from whoever reads the file (or asks the platform for the file
// it loaded), and only the parts asked for are read.
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
// hold. However the file lies, at most a few megabytes of it are asked for, and names no
// real font has (hundreds of characters long, or thousands in one face) are left out, so
// that what is made of them stays small too.
std::vector<std::wstring> FamilyNames(const ReadAt& read);

// The header of a TrueType or OpenType font or collection and the table directory of each
// of its faces, byte for byte: the directory holds every table's checksum, so two files of
// one size with the same head are the same font. Empty for a file of another kind, or one
// cut short before its head ends.
std::string FontFileHead(const ReadAt& read);

// Whether the first `size` bytes read from a and from b are the same, read in pieces: a
// short read of either counts as a difference.
bool SameBytes(const ReadAt& a, const ReadAt& b, uint64_t size);

}  // namespace mdl_RemoveFont
