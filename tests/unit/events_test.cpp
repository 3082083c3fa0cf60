// A form's event table takes a handler only when its parameters fit its event.
#include "ui/events.h"

#include <gtest/gtest.h>

#include <type_traits>

namespace {

struct Probe {
  void Nothing();
  void Index(int Index);
  void Key(int KeyCode);
  void KeyAndShift(int KeyCode, int Shift);
  void Character(int& KeyAscii);
  void Mouse(int Button, int Shift, double X, double Y);
};

template <auto Event, auto Handler>
constexpr bool kBinds = std::is_constructible_v<ui::Binding<Probe>, ui::EventSource&, decltype(Event), decltype(Handler)>;

}  // namespace

TEST(EventTable, TakesAHandlerOnlyWhenItsParametersFitItsEvent) {
  static_assert(kBinds<ui::on<ui::Event::KeyDown>, &Probe::KeyAndShift>);
  static_assert(!kBinds<ui::on<ui::Event::KeyDown>, &Probe::Key>, "a KeyDown handler of the key alone would get the index");
  static_assert(kBinds<ui::on<ui::Event::KeyDown>, &Probe::Nothing>, "a handler may ask for nothing");
  static_assert(kBinds<ui::on<ui::Event::Click>, &Probe::Index>, "a numbered command's click carries the item");
  static_assert(!kBinds<ui::on<ui::Event::KeyPress>, &Probe::Key>, "a copy of the character cannot swallow it");
  static_assert(kBinds<ui::on<ui::Event::KeyPress>, &Probe::Character>);
  static_assert(kBinds<ui::on<ui::Event::MouseUp>, &Probe::Mouse>);
  static_assert(!kBinds<ui::on<ui::Event::Load>, &Probe::Index>, "Load carries nothing");
}
