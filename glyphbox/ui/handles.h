#pragma once
// RAII for the handles this program acquires, plus guards that keep both halves of a pair.
#include "ui/unique.h"
#include "ui/win.h"

#include <shlobj.h>

namespace ui {

struct FileTraits {
  using Handle = HANDLE;
  static Handle Empty() { return INVALID_HANDLE_VALUE; }
  static void Close(Handle h) { ::CloseHandle(h); }
};
using UniqueFile = Unique<FileTraits>;

struct KeyTraits {
  using Handle = HKEY;
  static Handle Empty() { return nullptr; }
  static void Close(Handle h) { ::RegCloseKey(h); }
};
using UniqueKey = Unique<KeyTraits>;

template <class T>
struct GdiTraits {
  using Handle = T;
  static Handle Empty() { return nullptr; }
  static void Close(Handle h) { ::DeleteObject(h); }
};
using UniqueFont = Unique<GdiTraits<HFONT>>;
using UniqueBrush = Unique<GdiTraits<HBRUSH>>;
using UniquePen = Unique<GdiTraits<HPEN>>;
using UniqueBitmap = Unique<GdiTraits<HBITMAP>>;

struct MenuTraits {
  using Handle = HMENU;
  static Handle Empty() { return nullptr; }
  static void Close(Handle h) { ::DestroyMenu(h); }
};
using UniqueMenu = Unique<MenuTraits>;

struct MemoryDcTraits {
  using Handle = HDC;
  static Handle Empty() { return nullptr; }
  static void Close(Handle h) { ::DeleteDC(h); }
};
using UniqueMemoryDc = Unique<MemoryDcTraits>;

struct PidlTraits {
  using Handle = LPITEMIDLIST;
  static Handle Empty() { return nullptr; }
  static void Close(Handle h) { ::CoTaskMemFree(h); }
};
using UniquePidl = Unique<PidlTraits>;

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
