#pragma once
// What a control can report to its form, and the handler list every event source keeps.
#include <functional>
#include <utility>
#include <vector>

struct IDataObject;  // the platform's drag-and-drop data

namespace ui {

enum class Event { Click, DblClick, KeyDown, KeyPress, MouseDown, MouseMove, MouseUp, OLEDragDrop, Timer };

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

 private:
  std::vector<std::pair<Event, std::function<void(EventArgs&)>>> handlers_;
};

// One row of a form's event table: which source, which event, which member function. The
// handler's parameters say what it wants to know of the event.
template <class F>
struct Binding {
  using Call = std::function<void(F&, EventArgs&)>;

  Binding(EventSource& s, Event e, void (F::*h)()) : source(s), event(e), call([h](F& f, EventArgs&) { (f.*h)(); }) {}
  Binding(EventSource& s, Event e, void (F::*h)(int)) : source(s), event(e), call([h](F& f, EventArgs& a) {
    (f.*h)(a.index);
  }) {}
  // Key press: the character, which the handler may change or set to 0 to discard it.
  Binding(EventSource& s, Event e, void (F::*h)(int&)) : source(s), event(e), call([h](F& f, EventArgs& a) {
    (f.*h)(a.key);
  }) {}
  // Key down: the key code and the shift state.
  Binding(EventSource& s, Event e, void (F::*h)(int, int)) : source(s), event(e), call([h](F& f, EventArgs& a) {
    (f.*h)(a.key, a.shift);
  }) {}
  // Drop: the dropped data.
  Binding(EventSource& s, Event e, void (F::*h)(IDataObject*)) : source(s), event(e), call([h](F& f, EventArgs& a) {
    (f.*h)(a.data);
  }) {}
  // Mouse: button, shift state, position in twips.
  Binding(EventSource& s, Event e, void (F::*h)(int, int, double, double))
      : source(s), event(e), call([h](F& f, EventArgs& a) { (f.*h)(a.button, a.shift, a.x, a.y); }) {}

  EventSource& source;
  Event event;
  Call call;
};

template <class F>
void Connect(F& form, std::initializer_list<Binding<F>> table) {
  for (const auto& row : table) row.source.On(row.event, [&form, call = row.call](EventArgs& a) { call(form, a); });
}

}  // namespace ui
