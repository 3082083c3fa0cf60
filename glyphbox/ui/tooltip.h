#pragma once
// One tooltip window per form, with a tool per control or per windowless label. The tools
// learn of the mouse from the message loop (Relay), not by subclassing every control: a
// subclassed control pays for it on each of its messages.
#include <string_view>

#include "ui/win.h"

#include <commctrl.h>

namespace ui {

class Label;

class Tooltip {
 public:
  void Create(HWND owner);
  void Add(HWND control, std::wstring_view text);
  void Add(const Label& label, std::wstring_view text);
  // A windowless label's tool follows the label when it moves.
  void Follow(const Label& label);
  // Shows the mouse message to the tools; other messages are ignored.
  void Relay(const MSG& msg);
  HWND Handle() const { return hwnd_; }

 private:
  void AddTool(TTTOOLINFOA& tool, std::wstring_view text);

  HWND hwnd_ = nullptr;
};

}  // namespace ui
