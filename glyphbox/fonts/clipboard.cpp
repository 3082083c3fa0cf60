#include "fonts/clipboard.h"

#include <cstring>
#include <string>

#include "ui/text.h"

namespace fonts {

namespace {

// An open clipboard is closed again however the writing ends.
class OpenClipboardGuard {
 public:
  explicit OpenClipboardGuard(HWND owner) : open_(::OpenClipboard(owner) != FALSE) {}
  ~OpenClipboardGuard() {
    if (open_) ::CloseClipboard();
  }
  OpenClipboardGuard(const OpenClipboardGuard&) = delete;
  OpenClipboardGuard& operator=(const OpenClipboardGuard&) = delete;
  explicit operator bool() const { return open_; }

 private:
  bool open_;
};

}  // namespace

bool SetClipboardText(HWND owner, std::wstring_view text) {
  const std::string ansi = ui::ToAnsi(text);
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, ansi.size() + 1);
  if (!memory) return false;
  if (void* p = ::GlobalLock(memory)) {
    std::memcpy(p, ansi.c_str(), ansi.size() + 1);
    ::GlobalUnlock(memory);
  }
  OpenClipboardGuard clipboard(owner);
  if (!clipboard || !::EmptyClipboard() || !::SetClipboardData(CF_TEXT, memory)) {
    ::GlobalFree(memory);  // still ours unless the clipboard took it
    return false;
  }
  return true;
}

}  // namespace fonts
