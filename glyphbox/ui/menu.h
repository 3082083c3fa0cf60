#pragma once
// A pop-up menu whose items belong to numbered commands: one handler per command, told
// which item was chosen through EventArgs::index.
#include <string>
#include <string_view>
#include <vector>

#include "ui/events.h"
#include "ui/handles.h"

namespace ui {

class MenuCommand : public EventSource {
 public:
  // The first item's command id; item i is FirstId() + i.
  UINT FirstId() const { return firstId_; }
  int Count() const { return count_; }

 private:
  friend class PopupMenu;
  UINT firstId_ = 0;
  int count_ = 0;
};

class PopupMenu {
 public:
  PopupMenu() = default;
  PopupMenu(const PopupMenu&) = delete;
  PopupMenu& operator=(const PopupMenu&) = delete;
  ~PopupMenu();

  void Create(std::wstring_view caption);
  void Append(MenuCommand& command, int index, std::wstring_view caption);
  void AppendSeparator(MenuCommand& command, int index);
  HMENU Handle() const { return menu_.Get(); }
  // Opens the menu at the mouse pointer; the chosen item's command reaches owner.
  void Show(HWND owner);
  const std::wstring& Caption() const { return caption_; }

  // Raises the chosen item's Click; the owner window routes WM_COMMAND ids here.
  static bool Dispatch(UINT id);

 private:
  UINT Register(MenuCommand& command, int index);

  UniqueMenu menu_;
  std::wstring caption_;
  std::vector<UINT> ids_;
};

}  // namespace ui
