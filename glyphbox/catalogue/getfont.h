#pragma once
// Runs the system's font enumeration into the main window's list, growing the progress bar.
#include "ui/win.h"

class Form1;

namespace mdl_GetFont {

extern long lFontCount;
extern double dblFontStep;
extern long lBarWidth;

void GetFont(Form1& form);
int CALLBACK EnumFontsProc(const LOGFONTA* lf, const TEXTMETRICA* tm, DWORD fontType, LPARAM lParam);

}  // namespace mdl_GetFont
