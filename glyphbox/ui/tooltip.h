#pragma once
// One tooltip window per form, with a tool per control or per windowless label.
#include <string_view>

#include "ui/win.h"

namespace ui {

class Label;

class Tooltip {
 public:
  void Create(HWND owner);
  void Add(HWND control, std::wstring_view text);
  void Add(const Label& label, std::wstring_view text);
  // A windowless label's tool follows the label when it moves.
  void Follow(const Label& label);
  HWND Handle() const { return hwnd_; }

 private:
  HWND hwnd_ = nullptr;
};

}  // namespace ui
