// A form's event table takes a handler only when its parameters fit its event.
#include "ui/events.h"

#include <gtest/gtest.h>

namespace {

struct Probe {
  void Index(int Index);
  void KeyAndShift(int KeyCode, int Shift);
};

template <ui::Event E, auto Handler>
constexpr bool kBinds = std::is_constructible_v<ui::Binding<Probe>, ui::EventSource&, ui::EventTag<E>, decltype(Handler)>;

}  // namespace

TEST(EventTable, TakesAHandlerOnlyWhenItsParametersFitItsEvent) {
  using enum ui::Event;
  static_assert(kBinds<KeyDown, &Probe::KeyAndShift>, "the handlers the program's own tables bind");
  static_assert(!kBinds<KeyDown, &Probe::Index>, "a KeyDown handler of the key alone would get the index");
  static_assert(!kBinds<KeyPress, &Probe::Index>, "a copy of the character cannot swallow it");
  static_assert(!kBinds<Load, &Probe::Index> && !kBinds<MouseUp, &Probe::KeyAndShift>);
}
