#pragma once
// What a control can report to its form, and the handler list every event source keeps.
#include <functional>
#include <utility>
#include <vector>

struct IDataObject;  // the platform's drag-and-drop data

namespace ui {

enum class Event {
  Click, DblClick, KeyDown, KeyPress, MouseDown, MouseMove, MouseUp, OLEDragDrop, Timer,
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

// One row of a form's event table: which source, which event, which member function. The
// handler's parameters say what it wants to know of the event.
template <class F>
struct Binding {
  template <class... Params>
  Binding(EventSource& s, Event e, void (F::*h)(Params...))
      : source(s), event(e), call([h](F& f, EventArgs& a) { Call(f, h, a); }) {}

  EventSource& source;
  Event event;
  std::function<void(F&, EventArgs&)> call;

 private:
  static void Call(F& f, void (F::*h)(), EventArgs&) { (f.*h)(); }
  static void Call(F& f, void (F::*h)(int), EventArgs& a) { (f.*h)(a.index); }  // the item chosen
  static void Call(F& f, void (F::*h)(int&), EventArgs& a) { (f.*h)(a.key); }   // the character, to change
  static void Call(F& f, void (F::*h)(int, int), EventArgs& a) { (f.*h)(a.key, a.shift); }
  static void Call(F& f, void (F::*h)(IDataObject*), EventArgs& a) { (f.*h)(a.data); }
  static void Call(F& f, void (F::*h)(int, int, double, double), EventArgs& a) { (f.*h)(a.button, a.shift, a.x, a.y); }
};

template <class F>
void Connect(F& form, std::initializer_list<Binding<F>> table) {
  for (const auto& row : table) row.source.On(row.event, [&form, call = row.call](EventArgs& a) { call(form, a); });
}

}  // namespace ui
