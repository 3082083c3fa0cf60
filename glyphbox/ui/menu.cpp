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

void PopupMenu::SetChecked(const MenuCommand& command, int index, bool checked) {
  for (size_t i = 0; i < items_.size(); ++i)
    if (items_[i].command == &command && items_[i].index == index)
      ::CheckMenuItem(menu_.Get(), static_cast<UINT>(i + 1), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
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
