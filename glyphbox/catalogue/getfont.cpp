#include "catalogue/getfont.h"

#include <string_view>

#include "catalogue/nullcut.h"
#include "mainwnd/form1.h"
#include "ui/handles.h"
#include "ui/text.h"
#include "ui/twips.h"

namespace mdl_GetFont {

long lFontCount = 0;
double dblFontStep = 0;
long lBarWidth = 0;

namespace {

int CALLBACK CountProc(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM counter) {
  ++*reinterpret_cast<long*>(counter);
  return 1;
}

// The number of fonts the display offers: the same enumeration, counted. The first pass
// in a process pays for building the system's face data; the second is far cheaper.
long DisplayFontCount(HDC dc) {
  long n = 0;
  ::EnumFontsA(dc, nullptr, &CountProc, reinterpret_cast<LPARAM>(&n));
  return n;
}

}  // namespace

void GetFont(Form1& form) {
  lFontCount = 0;
  ui::WindowDc dc(form.Handle());
  const long n = DisplayFontCount(dc.Get());
  if (n == 0) return;  // no step to compute: nothing is listed
  dblFontStep = 1.0 / n;
  lBarWidth = ui::RoundHalfEven(form.Picture2.ScaleWidth());
  ::EnumFontsA(dc.Get(), nullptr, &EnumFontsProc, reinterpret_cast<LPARAM>(&form));
}

int CALLBACK EnumFontsProc(const LOGFONTA* lf, const TEXTMETRICA*, DWORD, LPARAM lParam) {
  try {
    auto& form = *reinterpret_cast<Form1*>(lParam);
    const std::wstring name =
        Cmmdl_NullCut::NullCut(ui::FromAnsi(std::string_view(lf->lfFaceName, sizeof lf->lfFaceName)));
    form.List1.AddItem(name);
    form.pBar.SetWidth(lFontCount * dblFontStep * lBarWidth);
  } catch (...) {
    // The enumeration goes on; nothing may unwind into the platform.
  }
  ++lFontCount;
  return 1;
}

}  // namespace mdl_GetFont
