#include "about/animation.h"

namespace about {

void Tick(Animation& a) {
  switch (a.step) {
    case 0:
      a.label2Left += 810;
      if (a.label2Left >= 2100) {
        a.label2Left = 2100;
        a.step = 1;
      }
      break;
    case 1:
      a.label3Left -= 810;
      if (a.label3Left <= 3105) {
        a.label3Left = 3105;
        a.step = 2;
      }
      break;
    case 2:
      a.label4Left += 810;
      if (a.label4Left >= 1005) {
        a.label4Left = 1005;
        a.step = 3;
      }
      break;
    case 3:
      a.picture1Top += 180;
      if (a.picture1Top >= 120) {
        a.picture1Top = 120;
        a.timerOn = false;
      }
      break;
    default:
      break;
  }
}

std::wstring VersionText(unsigned major, unsigned minor, unsigned revision) {
  std::wstring text = L"Version." + std::to_wstring(major) + L"." + std::to_wstring(minor);
  if (revision != 0) text += L"." + std::to_wstring(revision);
  return text;
}

}  // namespace about
