#pragma once
// Step lists: a step that fails is skipped and the next one runs.

namespace ui {

template <class F>
void Step(F&& step) noexcept {
  try {
    step();
  } catch (...) {
  }
}

}  // namespace ui
