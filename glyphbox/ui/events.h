#pragma once
// What a control can report to its form, and the handler list every event source keeps.
#include <functional>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

struct IDataObject;  // the platform's drag-and-drop data

namespace ui {

enum class Event {
  Click, DblClick, KeyDown, KeyPress, MouseDown, MouseMove, MouseUp, OLEDragDrop, Timer,
  Change,  // a text field's text changed (typed, pasted, cut)
  LostCapture,  // another window took the mouse away (a message box, Alt+Tab)
  Load, Resize, Unload,  // a form's own
};

struct EventArgs {
  int index = 0;        // which item of a numbered command (menu items)
  int button = 0;       // 1 left, 2 right, 4 middle
  int shift = 0;        // 1 Shift, 2 Ctrl, 4 Alt
  double x = 0, y = 0;  // twips, in the source's own coordinates
  int key = 0;          // virtual key (KeyDown) or character (KeyPress); a handler sets 0 to swallow it
  IDataObject* data = nullptr;  // what was dropped (OLEDragDrop)
};

class EventSource {
 public:
  EventSource() = default;
  EventSource(const EventSource&) = delete;
  EventSource& operator=(const EventSource&) = delete;
  virtual ~EventSource() = default;

  void On(Event event, std::function<void(EventArgs&)> handler) {
    handlers_.emplace_back(event, std::move(handler));
  }
  bool Handles(Event event) const {
    for (const auto& h : handlers_)
      if (h.first == event) return true;
    return false;
  }
  void Fire(Event event, EventArgs& args) {
    for (auto& h : handlers_)
      if (h.first == event) h.second(args);
  }
  void Fire(Event event) {
    EventArgs args;
    Fire(event, args);
  }

 private:
  std::vector<std::pair<Event, std::function<void(EventArgs&)>>> handlers_;
};

// What each event hands its handlers, in the order they take it. A handler takes all of it
// or nothing: a KeyDown handler of (int KeyCode) alone would be handed something else.
template <Event E>
auto Carried(EventArgs& a) {
  if constexpr (E == Event::Click) return std::tuple<int>(a.index);  // the item of a numbered command; 0 elsewhere
  else if constexpr (E == Event::KeyDown) return std::tuple<int, int>(a.key, a.shift);
  else if constexpr (E == Event::KeyPress) return std::tuple<int&>(a.key);  // for the handler to change
  else if constexpr (E == Event::MouseDown || E == Event::MouseMove || E == Event::MouseUp)
    return std::tuple<int, int, double, double>(a.button, a.shift, a.x, a.y);
  else if constexpr (E == Event::OLEDragDrop) return std::tuple<IDataObject*>(a.data);
  else return std::tuple<>();
}

template <Event E, class... Params>
concept Fits = sizeof...(Params) == 0 || std::is_same_v<std::tuple<Params...>, decltype(Carried<E>(std::declval<EventArgs&>()))>;

// An event as a form's event table names it: ui::on<KeyDown>.
template <Event E>
struct EventTag {};
template <Event E>
inline constexpr EventTag<E> on{};

// One row of a form's event table: which source, which event, which member function. A row
// whose handler does not fit its event does not compile.
template <class F>
struct Binding {
  template <Event E, class... Params>
    requires Fits<E, Params...>
  Binding(EventSource& s, EventTag<E>, void (F::*h)(Params...))
      : source(s), event(E), call([h](F& f, EventArgs& a) {
          if constexpr (sizeof...(Params) == 0)
            (f.*h)();
          else
            std::apply([&](auto&&... v) { (f.*h)(std::forward<decltype(v)>(v)...); }, Carried<E>(a));
        }) {}

  EventSource& source;
  Event event;
  std::function<void(F&, EventArgs&)> call;
};

template <class F>
void Connect(F& form, std::initializer_list<Binding<F>> table) {
  for (const auto& row : table) row.source.On(row.event, [&form, call = row.call](EventArgs& a) { call(form, a); });
}

}  // namespace ui
