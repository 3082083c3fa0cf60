#include "ui/controls.h"

#include <commctrl.h>
#include <imm.h>

#include <cmath>

#include "ui/text.h"

namespace ui {

void CommandButton::Create(HWND parent, const Rect& r, std::wstring_view caption) {
  CreateChild(parent, "BUTTON", caption, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, r);
}

void CommandButton::Notify(unsigned code) {
  if (code != BN_CLICKED) return;
  EventArgs a;
  Fire(Event::Click, a);
}

void CheckBox::Create(HWND parent, const Rect& r, std::wstring_view caption) {
  CreateChild(parent, "BUTTON", caption, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0, r);
}

bool CheckBox::Checked() const { return ::SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void CheckBox::SetChecked(bool checked) {
  ::SendMessageA(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CheckBox::Notify(unsigned code) {
  if (code != BN_CLICKED) return;
  EventArgs a;
  Fire(Event::Click, a);
}

void ListBox::Create(HWND parent, const Rect& r) {
  CreateChild(parent, "LISTBOX", L"", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_SORT | LBS_NOTIFY,
              WS_EX_CLIENTEDGE, r);
  Subclass();
}

int ListBox::Count() const { return static_cast<int>(::SendMessageA(hwnd_, LB_GETCOUNT, 0, 0)); }

namespace {

// The text of a list entry, by the list's own length and text messages (LB_ERR and CB_ERR
// are both -1).
std::wstring EntryText(HWND hwnd, UINT lengthMsg, UINT textMsg, int index) {
  const LRESULT n = ::SendMessageA(hwnd, lengthMsg, index, 0);
  if (n < 0) return {};
  std::string bytes(static_cast<size_t>(n) + 1, '\0');
  const LRESULT got = ::SendMessageA(hwnd, textMsg, index, reinterpret_cast<LPARAM>(bytes.data()));
  bytes.resize(got < 0 ? 0 : static_cast<size_t>(got));
  return FromAnsi(bytes);
}

}  // namespace

std::wstring ListBox::Item(int index) const { return EntryText(hwnd_, LB_GETTEXTLEN, LB_GETTEXT, index); }

void ListBox::AddItem(std::wstring_view text) {
  ::SendMessageA(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToAnsi(text).c_str()));
}

void ListBox::RemoveItem(int index) { ::SendMessageA(hwnd_, LB_DELETESTRING, index, 0); }

void ListBox::Clear() { ::SendMessageA(hwnd_, LB_RESETCONTENT, 0, 0); }

int ListBox::ListIndex() const { return static_cast<int>(::SendMessageA(hwnd_, LB_GETCURSEL, 0, 0)); }

void ListBox::SetListIndex(int index) { ::SendMessageA(hwnd_, LB_SETCURSEL, index, 0); }

int ListBox::TopIndex() const { return static_cast<int>(::SendMessageA(hwnd_, LB_GETTOPINDEX, 0, 0)); }

void ListBox::SetTopIndex(int index) { ::SendMessageA(hwnd_, LB_SETTOPINDEX, index, 0); }

double ListBox::FontSize() const {
  LOGFONTA lf{};
  ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(hwnd_, WM_GETFONT, 0, 0)), sizeof lf, &lf);
  return std::abs(lf.lfHeight) * 72.0 / ScreenDpiY();
}

void ListBox::SetRowHeight(double twips) {
  ::SendMessageA(hwnd_, LB_SETITEMHEIGHT, 0, MAKELPARAM(YToPixels(twips), 0));
}

bool ListBox::Filter(UINT msg, WPARAM wp, LPARAM lp, LRESULT&) {
  // A quick second right or middle press arrives as a double click, but is a press all the
  // same (the left one is the list's own double click).
  if (msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN || msg == WM_RBUTTONDBLCLK ||
      msg == WM_MBUTTONDBLCLK) {
    const int button = msg == WM_LBUTTONDOWN ? 1 : (msg == WM_RBUTTONDOWN || msg == WM_RBUTTONDBLCLK) ? 2 : 4;
    EventArgs a = MouseArgs(wp, lp, button);
    Fire(Event::MouseDown, a);
  } else if (msg == WM_KEYDOWN) {
    EventArgs a;
    a.key = static_cast<int>(wp);
    a.shift = ShiftState();
    Fire(Event::KeyDown, a);
  }
  return false;  // the list still handles the press as usual
}

void ListBox::Notify(unsigned code) {
  EventArgs a;
  if (code == LBN_SELCHANGE) Fire(Event::Click, a);
  if (code == LBN_DBLCLK) Fire(Event::DblClick, a);
}

namespace {
constexpr double kComboListHeight = 8 * 240;  // room for a few entries of the drop-down list
}

bool ComboBox::Move(double left, double top, double width, double height) {
  if (width < 0 || height < 0) return false;
  // The window's own height includes the drop-down list's room.
  return Control::Move(left, top, width, height + kComboListHeight);
}

void ComboBox::Create(HWND parent, const Rect& r) {
  // The height given is the closed box; the drop-down list gets room for a few entries more.
  Rect withList = r;
  withList.height = r.height + kComboListHeight;
  CreateChild(parent, "COMBOBOX", L"", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0,
              withList);
  // The keys arrive at the edit field inside the combo box.
  SubclassWindow(EditHandle());
}

HWND ComboBox::EditHandle() const {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  return ::GetComboBoxInfo(hwnd_, &info) ? info.hwndItem : nullptr;
}

int ComboBox::ListCount() const { return static_cast<int>(::SendMessageA(hwnd_, CB_GETCOUNT, 0, 0)); }

std::wstring ComboBox::List(int index) const { return EntryText(hwnd_, CB_GETLBTEXTLEN, CB_GETLBTEXT, index); }

int ComboBox::FindExact(std::wstring_view text) const {
  return static_cast<int>(
      ::SendMessageA(hwnd_, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(ToAnsi(text).c_str())));
}

void ComboBox::InsertItem(int index, std::wstring_view text) {
  ::SendMessageA(hwnd_, CB_INSERTSTRING, index, reinterpret_cast<LPARAM>(ToAnsi(text).c_str()));
}

bool ComboBox::Filter(UINT msg, WPARAM wp, LPARAM, LRESULT&) {
  if (msg == WM_KEYDOWN) {
    EventArgs a;
    a.key = static_cast<int>(wp);
    a.shift = ShiftState();
    Fire(Event::KeyDown, a);
  }
  return false;  // the field still handles the key as usual
}

void TextBox::Create(HWND parent, const Rect& r, Kind kind) {
  DWORD style = WS_VISIBLE | WS_TABSTOP;
  if (kind == Kind::MultiLine)
    style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL;
  else
    style |= ES_AUTOHSCROLL;
  CreateChild(parent, "EDIT", L"", style, WS_EX_CLIENTEDGE, r);
  Subclass();
  ::GetObjectA(DefaultUiFont(), sizeof logFont_, &logFont_);
  // Any installed face may be chosen later, whatever its character set.
  logFont_.lfCharSet = DEFAULT_CHARSET;
  fontSize_ = std::abs(logFont_.lfHeight) * 72.0 / ScreenDpiY();
}

void TextBox::SetMaxLength(int chars) { ::SendMessageA(hwnd_, EM_SETLIMITTEXT, chars, 0); }

void TextBox::AcceptFileDrops() { dropTarget_.Register(hwnd_); }

void TextBox::DisableInputMethod() { ::ImmAssociateContext(hwnd_, nullptr); }

bool TextBox::Filter(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (msg == WM_DESTROY) dropTarget_.Revoke();
  if (msg != WM_CHAR) return false;
  EventArgs a;
  a.key = static_cast<int>(wp);
  Fire(Event::KeyPress, a);
  if (a.key == static_cast<int>(wp)) return false;
  // Discarded (0) or replaced by the handler.
  result = a.key == 0 ? 0 : ::DefSubclassProc(hwnd_, msg, static_cast<WPARAM>(a.key), lp);
  return true;
}

void TextBox::SetFontSize(double points) {
  fontSize_ = points;
  // Sizes below a device unit still give a visible font: one unit high.
  const long units = std::lround(points * ScreenDpiY() / 72.0);
  logFont_.lfHeight = -static_cast<LONG>(units < 1 ? 1 : units);
  logFont_.lfWidth = 0;
  ApplyFont();
}

void TextBox::SetFontBold(bool on) {
  logFont_.lfWeight = on ? FW_BOLD : FW_NORMAL;
  ApplyFont();
}
void TextBox::SetFontItalic(bool on) {
  logFont_.lfItalic = on;
  ApplyFont();
}
void TextBox::SetFontStrikethru(bool on) {
  logFont_.lfStrikeOut = on;
  ApplyFont();
}
void TextBox::SetFontUnderline(bool on) {
  logFont_.lfUnderline = on;
  ApplyFont();
}

std::wstring TextBox::FontName() const { return FromAnsi(logFont_.lfFaceName); }

void TextBox::SetFontName(std::wstring_view face) {
  const std::string ansi = ToAnsi(face);
  lstrcpynA(logFont_.lfFaceName, ansi.c_str(), LF_FACESIZE);
  ApplyFont();
}

void TextBox::ApplyFont() {
  dirty_ = true;
  if (batch_ > 0) return;
  dirty_ = false;
  UniqueFont fresh(::CreateFontIndirectA(&logFont_));
  if (!fresh) return;
  ::SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(fresh.Get()), TRUE);
  font_ = std::move(fresh);  // the old font is deleted only after the control let go of it
}

}  // namespace ui
