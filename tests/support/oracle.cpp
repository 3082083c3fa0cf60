#include "support/oracle.h"

#include <windows.h>

#include <cstring>

namespace oracle {

namespace {

int CALLBACK Collect(const LOGFONTA* lf, const TEXTMETRICA*, DWORD, LPARAM out) {
  const size_t n = strnlen(lf->lfFaceName, LF_FACESIZE);
  wchar_t wide[LF_FACESIZE + 1] = {};
  const int got = MultiByteToWideChar(932, 0, lf->lfFaceName, static_cast<int>(n), wide, LF_FACESIZE);
  reinterpret_cast<std::vector<std::wstring>*>(out)->emplace_back(wide, got > 0 ? got : 0);
  return 1;
}

}  // namespace

std::vector<std::wstring> ReportedFaces() {
  std::vector<std::wstring> faces;
  HDC dc = GetDC(nullptr);
  EnumFontsA(dc, nullptr, &Collect, reinterpret_cast<LPARAM>(&faces));
  ReleaseDC(nullptr, dc);
  return faces;
}

std::vector<std::wstring> DistinctFaces() {
  std::vector<std::wstring> distinct;
  for (const auto& face : ReportedFaces()) {
    bool seen = false;
    for (const auto& d : distinct) seen = seen || SameIgnoringCase(d, face);
    if (!seen) distinct.push_back(face);
  }
  return distinct;
}

bool SameIgnoringCase(const std::wstring& a, const std::wstring& b) {
  return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) == CSTR_EQUAL;
}

bool SortsBefore(const std::wstring& a, const std::wstring& b) {
  return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) == CSTR_LESS_THAN;
}

}  // namespace oracle
