#include "mainwnd/appmessage.h"

#include "ui/text.h"

namespace mainwnd {

int AppMessage(HWND owner, std::wstring_view text, UINT flags) {
  return ::MessageBoxA(owner, ui::ToAnsi(text).c_str(), ui::ToAnsi(kAppTitle).c_str(), flags);
}

}  // namespace mainwnd
