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

// A movable block holding the bytes, for the clipboard to take; null when there is no memory.
HGLOBAL Block(const void* bytes, size_t size) {
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, size);
  if (!memory) return nullptr;
  if (void* p = ::GlobalLock(memory)) {
    std::memcpy(p, bytes, size);
    ::GlobalUnlock(memory);
  }
  return memory;
}

// Hands the block to an open clipboard: from then on it is the clipboard's; one the
// clipboard does not take is still ours to free.
bool Put(bool open, UINT format, HGLOBAL memory) {
  if (open && memory && ::SetClipboardData(format, memory)) return true;
  if (memory) ::GlobalFree(memory);
  return false;
}

}  // namespace

bool SetClipboardText(HWND owner, std::wstring_view text) {
  const std::string ansi = ui::ToAnsi(text);
  const std::wstring wide(text);
  HGLOBAL bytes = Block(ansi.c_str(), ansi.size() + 1);
  // A Unicode program would otherwise get the bytes converted through the current input
  // language, which need not be the code page they are in.
  HGLOBAL units = Block(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
  OpenClipboardGuard clipboard(owner);
  const bool open = clipboard && bytes && units && ::EmptyClipboard();
  const bool putBytes = Put(open, CF_TEXT, bytes);
  return Put(open, CF_UNICODETEXT, units) && putBytes;
}

}  // namespace fonts
