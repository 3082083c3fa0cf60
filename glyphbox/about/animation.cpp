#include "about/animation.h"

namespace about {

namespace {

// One row per step: which coordinate moves, by how much a tick, and where it stops.
struct Move {
  double Animation::*coordinate;
  double change, final;
};
constexpr Move kSteps[] = {
    {&Animation::label2Left, +810, 2100},
    {&Animation::label3Left, -810, 3105},
    {&Animation::label4Left, +810, 1005},
    {&Animation::picture1Top, +180, 120},
};

}  // namespace

void Tick(Animation& a) {
  if (a.step < 0 || a.step > 3 || !a.timerOn) return;
  const Move& m = kSteps[a.step];
  double& value = a.*m.coordinate;
  value += m.change;
  // Past its place (whichever way it moves): clamp, and hand over to the next element.
  if (m.change > 0 ? value >= m.final : value <= m.final) {
    value = m.final;
    if (a.step < 3)
      ++a.step;
    else
      a.timerOn = false;
  }
}

std::wstring VersionText(unsigned major, unsigned minor, unsigned revision) {
  std::wstring text = L"Version." + std::to_wstring(major) + L"." + std::to_wstring(minor);
  if (revision != 0) text += L"." + std::to_wstring(revision);
  return text;
}

}  // namespace about
