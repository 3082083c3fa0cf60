#pragma once
// What the system itself says is installed, asked independently of the program.
#include <string>
#include <vector>

namespace oracle {

// Every face name EnumFontsA reports on the screen, as reported (one per charset).
std::vector<std::wstring> ReportedFaces();
// Those names with case-insensitive duplicates collapsed (first spelling kept), any order.
std::vector<std::wstring> DistinctFaces();
// Case-insensitive, as the user's locale compares.
bool SameIgnoringCase(const std::wstring& a, const std::wstring& b);
// a sorts strictly before b in a sorted list box.
bool SortsBefore(const std::wstring& a, const std::wstring& b);

}  // namespace oracle
