#pragma once
// A pop-up menu whose items belong to numbered commands: one handler per command, told
// which item was chosen through EventArgs::index.
#include <string>
#include <string_view>
#include <vector>

#include "ui/events.h"
#include "ui/handles.h"

namespace ui {

// The items of one command share its Click handler.
class MenuCommand : public EventSource {};

class PopupMenu {
 public:
  void Create(std::wstring_view caption);
  void Append(MenuCommand& command, int index, std::wstring_view caption);
  void AppendSeparator();
  // Shows a check mark beside the command's item, or none.
  void SetChecked(const MenuCommand& command, int index, bool checked);
  HMENU Handle() const { return menu_.Get(); }
  const std::wstring& Caption() const { return caption_; }
  // Opens the menu at the mouse pointer; once an item is chosen, raises its command's Click.
  void Show(HWND owner);

 private:
  struct Item {
    MenuCommand* command;
    int index;
  };
  UniqueMenu menu_;
  std::wstring caption_;
  std::vector<Item> items_;  // the item with command id i is items_[i - 1]
};

}  // namespace ui
