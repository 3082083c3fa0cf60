#pragma once
// What a registry scan found, as the tests compare it: the entries' file names, in order.
#include <string>
#include <vector>

#include "fonts/fontregrules.h"

inline std::vector<std::wstring> Files(const mdl_RemoveFont::FontRegInfo& info) {
  std::vector<std::wstring> files;
  for (long i = 0; i <= info.lMax; ++i) files.push_back(info.Entries[i].strFileName);
  return files;
}
