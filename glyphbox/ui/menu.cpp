#include "ui/menu.h"

#include <map>
#include <string>
#include <utility>

#include "ui/text.h"

namespace ui {

namespace {

// Menu command ids of every pop-up in the process; small, UI-thread only.
std::map<UINT, std::pair<MenuCommand*, int>>& Ids() {
  static std::map<UINT, std::pair<MenuCommand*, int>> ids;
  return ids;
}

UINT NextId() {
  static UINT next = 0x1000;
  return next++;
}

}  // namespace

void PopupMenu::Create(std::wstring_view caption) {
  caption_ = caption;
  menu_.Reset(::CreatePopupMenu());
}

PopupMenu::~PopupMenu() {
  for (UINT id : ids_) Ids().erase(id);
}

UINT PopupMenu::Register(MenuCommand& command, int index) {
  const UINT id = NextId();
  if (command.count_ == 0) command.firstId_ = id;
  command.count_ = index + 1;
  Ids()[id] = {&command, index};
  ids_.push_back(id);
  return id;
}

void PopupMenu::Append(MenuCommand& command, int index, std::wstring_view caption) {
  const UINT id = Register(command, index);
  ::AppendMenuA(menu_.Get(), MF_STRING, id, ToAnsi(caption).c_str());
}

void PopupMenu::AppendSeparator(MenuCommand& command, int index) {
  Register(command, index);
  ::AppendMenuA(menu_.Get(), MF_SEPARATOR, 0, nullptr);
}

void PopupMenu::Show(HWND owner) {
  POINT at{};
  ::GetCursorPos(&at);
  ::TrackPopupMenu(menu_.Get(), TPM_LEFTALIGN | TPM_TOPALIGN, at.x, at.y, 0, owner, nullptr);
}

bool PopupMenu::Dispatch(UINT id) {
  const auto it = Ids().find(id);
  if (it == Ids().end()) return false;
  EventArgs a;
  a.index = it->second.second;
  it->second.first->Fire(Event::Click, a);
  return true;
}

}  // namespace ui
