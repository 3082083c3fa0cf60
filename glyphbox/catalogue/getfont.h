#pragma once
// Runs the system's font enumeration into the main window's list, growing the progress bar.
#include <functional>
#include <string>
#include <vector>

#include "ui/win.h"

class Form1;

namespace catalogue {
class Pattern;
}

namespace mdl_GetFont {

extern long lFontCount;
extern double dblFontStep;
extern long lBarWidth;

// Adds the names (in the list's order) that `keep` picks to the list, growing the progress
// bar to k/N of the strip for the k-th of the N names. Returns the index, in the list, of the
// last vertical ("@") name added, or 0.
int FillList(Form1& form, const std::vector<std::wstring>& names, const std::function<bool(size_t k)>& keep);
// Fills the list with the faces of the fonts the system reports, in the list's own order,
// cut down as the list's filter cuts it: of names equal apart from case only the last, and
// only names that match the pattern. The progress bar grows to k/N of the strip for the
// k-th of the N fonts; while the list is narrowed, only the faces that hold the preview's
// characters. Returns the index of the last vertical ("@") name listed, or 0.
int GetFont(Form1& form, const catalogue::Pattern& pattern);
// Collects each reported face name, decoded from the ANSI code page and cut at its NUL.
int CALLBACK EnumFontsProc(const LOGFONTA* lf, const TEXTMETRICA* tm, DWORD fontType, LPARAM lParam);

}  // namespace mdl_GetFont
