#include "ui/controls.h"

#include <imm.h>

#include <cmath>

#include "ui/text.h"

namespace ui {

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


constexpr double kComboListHeight = 8 * 240;  // room for a few entries of the drop-down list

}  // namespace

void Button::Notify(unsigned code) {
  if (code == BN_CLICKED) Fire(Event::Click);
}

void CommandButton::Create(HWND parent, const Rect& r, std::wstring_view caption) {
  CreateChild(parent, "BUTTON", caption, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, r, false);
}

void CheckBox::Create(HWND parent, const Rect& r, std::wstring_view caption) {
  CreateChild(parent, "BUTTON", caption, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0, r, false);
}

void ListBox::Create(HWND parent, const Rect& r) {
  CreateChild(parent, "LISTBOX", L"", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_SORT | LBS_NOTIFY,
              WS_EX_CLIENTEDGE, r, true);
}

std::wstring ListBox::Item(int index) const { return EntryText(hwnd_, LB_GETTEXTLEN, LB_GETTEXT, index); }

int ListBox::FindExact(std::wstring_view text) const {
  if (text.empty()) return -1;
  // The list's own search ignores case; it goes on from the entry after `from` and wraps.
  for (int from = -1;;) {
    const int found = static_cast<int>(SendText(LB_FINDSTRINGEXACT, static_cast<WPARAM>(from), text));
    if (found == LB_ERR || found <= from) return -1;
    if (Item(found) == text) return found;
    from = found;
  }
}

void ListBox::SetRedraw(bool on) {
  Send(WM_SETREDRAW, on);
  if (on) ::RedrawWindow(hwnd_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

int ListBox::RowAt(double x, double y) const {
  const auto hit = static_cast<DWORD>(Send(LB_ITEMFROMPOINT, 0, MAKELPARAM(XToPixels(x), YToPixels(y))));
  return HIWORD(hit) ? Count() : LOWORD(hit);
}

void ListBox::Notify(unsigned code) {
  if (code == LBN_SELCHANGE) Fire(Event::Click);
  if (code == LBN_DBLCLK) Fire(Event::DblClick);
}

void ComboBox::Create(HWND parent, const Rect& r) {
  // The height given is the closed box; the drop-down list gets room for a few entries more.
  CreateChild(parent, "COMBOBOX", L"", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0,
              {r.left, r.top, r.width, r.height + kComboListHeight}, false);
  rect_.height = r.height;
  // The keys arrive at the edit field inside the combo box.
  TakeOver(EditHandle());
}

bool ComboBox::Move(double left, double top, double width, double height) {
  if (height < 0 || !Control::Move(left, top, width, height + kComboListHeight)) return false;
  rect_.height = height;
  return true;
}

HWND ComboBox::EditHandle() const {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  return ::GetComboBoxInfo(hwnd_, &info) ? info.hwndItem : nullptr;
}

std::wstring ComboBox::List(int index) const { return EntryText(hwnd_, CB_GETLBTEXTLEN, CB_GETLBTEXT, index); }

int ComboBox::FindExact(std::wstring_view text) const {
  return static_cast<int>(SendText(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), text));
}

void ComboBox::InsertItem(int index, std::wstring_view text) { SendText(CB_INSERTSTRING, index, text); }

void TextBox::Create(HWND parent, const Rect& r, Kind kind) {
  DWORD style = WS_VISIBLE | WS_TABSTOP;
  if (kind == Kind::MultiLine)
    style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL;
  else
    style |= ES_AUTOHSCROLL;
  CreateChild(parent, "EDIT", L"", style, WS_EX_CLIENTEDGE, r, true);
  ::GetObjectA(DefaultUiFont(), sizeof logFont_, &logFont_);
  // Any installed face may be chosen later, whatever its character set.
  logFont_.lfCharSet = DEFAULT_CHARSET;
  fontSize_ = std::abs(logFont_.lfHeight) * 72.0 / ScreenDpiY();
}

void TextBox::DisableInputMethod() { ::ImmAssociateContext(hwnd_, nullptr); }

bool TextBox::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (msg != WM_CHAR) return Control::OnMessage(msg, wp, lp, result);
  EventArgs a;
  a.key = static_cast<int>(wp);
  Fire(Event::KeyPress, a);
  if (a.key == static_cast<int>(wp)) return false;
  // Discarded (0), or replaced by the handler: the box gets the new character instead.
  result = a.key == 0 ? 0 : CallPrevious(msg, static_cast<WPARAM>(a.key), lp);
  return true;
}

void TextBox::SetFontSize(double points) {
  fontSize_ = points;
  // Sizes below a device unit still give a visible font: one unit high.
  const long units = std::lround(points * ScreenDpiY() / 72.0);
  logFont_.lfWidth = 0;
  ChangeFont(logFont_.lfHeight, -(units < 1 ? 1 : units));
}

std::wstring TextBox::FontName() const { return FromAnsi(logFont_.lfFaceName); }

void TextBox::SetFontName(std::wstring_view face) {
  ::lstrcpynA(logFont_.lfFaceName, ToAnsi(face).c_str(), LF_FACESIZE);
  ApplyFont();
}

void TextBox::ApplyFont() {
  dirty_ = true;
  if (batch_ > 0) return;
  dirty_ = false;
  UniqueFont fresh(::CreateFontIndirectA(&logFont_));
  if (!fresh) return;
  Send(WM_SETFONT, reinterpret_cast<WPARAM>(fresh.Get()), TRUE);
  font_ = std::move(fresh);  // the old font is deleted only after the control let go of it
}

}  // namespace ui
