#pragma once
// RAII for the handles this program acquires, plus guards that keep both halves of a pair.
#include "ui/unique.h"
#include "ui/win.h"

#include <shlobj.h>

namespace ui {

// A handle that is null when empty, closed by the platform function that frees its kind.
template <class H, auto Closer>
struct NullTraits {
  using Handle = H;
  static Handle Empty() { return nullptr; }
  static void Close(Handle h) { Closer(h); }
};
using UniqueKey = Unique<NullTraits<HKEY, &::RegCloseKey>>;
using UniqueFont = Unique<NullTraits<HFONT, &::DeleteObject>>;
using UniqueBrush = Unique<NullTraits<HBRUSH, &::DeleteObject>>;
using UniquePen = Unique<NullTraits<HPEN, &::DeleteObject>>;
using UniqueBitmap = Unique<NullTraits<HBITMAP, &::DeleteObject>>;
using UniqueMenu = Unique<NullTraits<HMENU, &::DestroyMenu>>;
using UniqueMemoryDc = Unique<NullTraits<HDC, &::DeleteDC>>;
using UniquePidl = Unique<NullTraits<LPITEMIDLIST, &::CoTaskMemFree>>;

// Files are the one kind whose empty value is not null.
struct FileTraits {
  using Handle = HANDLE;
  static Handle Empty() { return INVALID_HANDLE_VALUE; }
  static void Close(Handle h) { ::CloseHandle(h); }
};
using UniqueFile = Unique<FileTraits>;

// GetDC's result must go back to the window it came from.
class WindowDc {
 public:
  explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(::GetDC(hwnd)) {}
  ~WindowDc() {
    if (dc_) ::ReleaseDC(hwnd_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// Puts the previously selected object back, so the object we selected can be deleted.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ obj) : dc_(dc), old_(obj ? ::SelectObject(dc, obj) : nullptr) {}
  ~Selection() {
    if (old_) ::SelectObject(dc_, old_);
  }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace ui
