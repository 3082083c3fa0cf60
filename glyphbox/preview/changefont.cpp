// Form1::ChangeFont: shows the preview in another face.
#include "mainwnd/form1.h"
#include "ui/steps.h"

void Form1::ChangeFont(const std::wstring& strFontName) {
  ui::Step([&] { Text2.SetFontName(strFontName); });
}
