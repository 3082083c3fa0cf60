#include "support/oracle.h"

#include <windows.h>

#include <cstring>

#include "support/text.h"

namespace oracle {

namespace {

int CALLBACK Collect(const LOGFONTA* lf, const TEXTMETRICA*, DWORD, LPARAM out) {
  reinterpret_cast<std::vector<std::wstring>*>(out)->push_back(
      FromCp932(std::string_view(lf->lfFaceName, strnlen(lf->lfFaceName, LF_FACESIZE))));
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
