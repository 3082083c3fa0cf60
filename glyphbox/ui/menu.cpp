#include "ui/menu.h"

#include "ui/text.h"

namespace ui {

void PopupMenu::Create(std::wstring_view caption) {
  caption_ = caption;
  menu_.Reset(::CreatePopupMenu());
}

void PopupMenu::Append(MenuCommand& command, int index, std::wstring_view caption) {
  items_.push_back({&command, index});
  ::AppendMenuA(menu_.Get(), MF_STRING, items_.size(), ToAnsi(caption).c_str());
}

void PopupMenu::AppendSeparator() { ::AppendMenuA(menu_.Get(), MF_SEPARATOR, 0, nullptr); }

void PopupMenu::Show(HWND owner) {
  POINT at{};
  ::GetCursorPos(&at);
  const auto id = static_cast<size_t>(
      ::TrackPopupMenu(menu_.Get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD, at.x, at.y, 0, owner, nullptr));
  if (id == 0 || id > items_.size()) return;
  EventArgs a;
  a.index = items_[id - 1].index;
  items_[id - 1].command->Fire(Event::Click, a);
}

}  // namespace ui
