#pragma once
// The about window's slide-in: one element moves per tick until it reaches its place, then
// the next one starts. Pure.
#include <string>

namespace about {

struct Animation {
  int step = 0;              // 0 caption, 1 version, 2 copyright, 3 icon
  double label2Left = -960;  // "Glyphora", from the left
  double label3Left = 6000;  // the version text, from the right
  double label4Left = -3500; // the copyright line, from the left
  double picture1Top = -840; // the icon, from above
  bool timerOn = true;
};

// One timer tick: move the current element, and clamp it to its place once it overshoots.
void Tick(Animation& a);

// "Version." major "." minor, and "." revision when it is not 0.
std::wstring VersionText(unsigned major, unsigned minor, unsigned revision);

}  // namespace about
