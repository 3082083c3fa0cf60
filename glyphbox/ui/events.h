#pragma once
// What a control can report to its form, and the handler list every event source keeps.
#include <functional>
#include <utility>
#include <vector>

namespace ui {

enum class Event { Click, DblClick, KeyDown, KeyPress, MouseDown, MouseMove, MouseUp };

struct EventArgs {
  int index = 0;        // which item of a numbered command (menu items)
  int button = 0;       // 1 left, 2 right, 4 middle
  int shift = 0;        // 1 Shift, 2 Ctrl, 4 Alt
  double x = 0, y = 0;  // twips, in the source's own coordinates
  int key = 0;          // virtual key (KeyDown) or character (KeyPress); a handler sets 0 to swallow it
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

// One row of a form's event table: which source, which event, which member function.
template <class F>
struct Binding {
  Binding(EventSource& s, Event e, void (F::*h)()) : source(s), event(e), plain(h) {}
  Binding(EventSource& s, Event e, void (F::*h)(EventArgs&)) : source(s), event(e), withArgs(h) {}
  EventSource& source;
  Event event;
  void (F::*plain)() = nullptr;
  void (F::*withArgs)(EventArgs&) = nullptr;
};

template <class F>
void Connect(F& form, std::initializer_list<Binding<F>> table) {
  for (const auto& row : table) {
    if (row.plain)
      row.source.On(row.event, [&form, h = row.plain](EventArgs&) { (form.*h)(); });
    else
      row.source.On(row.event, [&form, h = row.withArgs](EventArgs& a) { (form.*h)(a); });
  }
}

}  // namespace ui
