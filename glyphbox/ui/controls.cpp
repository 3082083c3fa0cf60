#include "ui/controls.h"

#include <imm.h>

#include <algorithm>
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

// Messages after which an edit box may have drawn some of its text itself, outside a paint:
// typing, selecting, scrolling.
bool MayDraw(UINT msg, WPARAM wp) {
  switch (msg) {
    case WM_PAINT: case WM_CHAR: case WM_KEYDOWN: case WM_IME_CHAR: case WM_IME_COMPOSITION:
    case WM_IME_ENDCOMPOSITION: case WM_PASTE: case WM_CUT: case WM_CLEAR: case WM_UNDO: case EM_UNDO:
    case EM_REPLACESEL: case EM_SETSEL: case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK:
    case WM_TIMER: case WM_VSCROLL: case WM_HSCROLL: case WM_MOUSEWHEEL: case EM_SCROLL: case EM_LINESCROLL:
    case EM_SCROLLCARET: case WM_SETFOCUS: case WM_KILLFOCUS: case WM_SIZE:
      return true;
    case WM_MOUSEMOVE:
      return (wp & MK_LBUTTON) != 0;
    default:
      return false;
  }
}

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

void ListBox::SetEmptyText(std::wstring text) {
  if (text == emptyText_) return;
  emptyText_ = std::move(text);
  ::InvalidateRect(hwnd_, nullptr, TRUE);
}

bool ListBox::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (msg != WM_PAINT || emptyText_.empty() || Count() > 0) return Control::OnMessage(msg, wp, lp, result);
  result = CallPrevious(msg, wp, lp);
  WindowDc dc(hwnd_);
  Selection font(dc.Get(), reinterpret_cast<HFONT>(Send(WM_GETFONT)));
  ::SetBkMode(dc.Get(), TRANSPARENT);
  ::SetTextColor(dc.Get(), ::GetSysColor(COLOR_GRAYTEXT));
  RECT r = Client();
  ::InflateRect(&r, -XToPixels(60), -YToPixels(60));
  ::DrawTextW(dc.Get(), emptyText_.c_str(), static_cast<int>(emptyText_.size()), &r,
              DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
  return true;
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

void TextBox::Create(HWND parent, const Rect& r, Kind kind, bool unicode) {
  DWORD style = WS_VISIBLE | WS_TABSTOP;
  if (kind == Kind::MultiLine)
    style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL;
  else
    style |= ES_AUTOHSCROLL;
  CreateChild(parent, "EDIT", L"", style, WS_EX_CLIENTEDGE, r, true, unicode);
  ::GetObjectA(DefaultUiFont(), sizeof logFont_, &logFont_);
  // Any installed face may be chosen later, whatever its character set.
  logFont_.lfCharSet = DEFAULT_CHARSET;
  fontSize_ = std::abs(logFont_.lfHeight) * 72.0 / ScreenDpiY();
}

void TextBox::Notify(unsigned code) {
  if (code == EN_CHANGE) Fire(Event::Change);
}

void TextBox::DisableInputMethod() { ::ImmAssociateContext(hwnd_, nullptr); }

bool TextBox::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  bool replaced = false;
  if (msg == WM_CHAR) {
    EventArgs a;
    a.key = static_cast<int>(wp);
    Fire(Event::KeyPress, a);
    // Discarded (0), or replaced by the handler: the box gets the new character instead.
    if (a.key == 0) {
      result = 0;
      return true;
    }
    replaced = a.key != static_cast<int>(wp);
    wp = static_cast<WPARAM>(a.key);
  } else {
    Control::OnMessage(msg, wp, lp, result);
  }
  const bool marks = !marked_.empty() && MayDraw(msg, wp);
  if (!marks && !replaced) return false;
  result = CallPrevious(msg, wp, lp);
  if (marks) DrawMarks();
  return true;
}

void TextBox::SetMarks(std::vector<char32_t> marked, COLORREF tint) {
  std::sort(marked.begin(), marked.end());
  if (marked == marked_ && tint == tint_) return;
  const bool going = !std::includes(marked.begin(), marked.end(), marked_.begin(), marked_.end()) || tint != tint_;
  marked_ = std::move(marked);
  tint_ = tint;
  // Marks that go need the text drawn again; new ones are laid over what is there.
  if (going)
    ::InvalidateRect(hwnd_, nullptr, TRUE);
  else
    DrawMarks();
}

void TextBox::DrawMarks() {
  if (marked_.empty() || !::IsWindowVisible(hwnd_)) return;
  const std::wstring text = Text();
  const RECT client = Client();
  // Measured on a device context of its own: the box's own may keep what is selected into it.
  const UniqueMemoryDc measure(::CreateCompatibleDC(nullptr));
  const Selection font(measure.Get(), Font());
  TEXTMETRICW tm{};
  ::GetTextMetricsW(measure.Get(), &tm);
  const int lineHeight = std::max<int>(tm.tmHeight, 1);
  const auto unitsAt = [&](size_t i) {
    return i + 1 < text.size() && IS_HIGH_SURROGATE(text[i]) && IS_LOW_SURROGATE(text[i + 1]) ? 2 : 1;
  };
  const auto marked = [&](size_t i) {
    const char32_t c = unitsAt(i) == 2 ? 0x10000 + ((text[i] - 0xD800) << 10) + (text[i + 1] - 0xDC00) : text[i];
    return std::binary_search(marked_.begin(), marked_.end(), c);
  };
  // Where the box put a character: each position costs the box a layout lookup, so a run of
  // marked characters is measured at its two ends only.
  const auto at = [&](size_t i) {
    const LRESULT p = Send(EM_POSFROMCHAR, i);
    return POINT{static_cast<short>(LOWORD(p)), static_cast<short>(HIWORD(p))};
  };
  WindowDc dc(hwnd_);
  UniqueBrush tint(::CreateSolidBrush(tint_));
  Selection brush(dc.Get(), tint.Get());
  ::IntersectClipRect(dc.Get(), 0, 0, client.right, client.bottom);
  ::HideCaret(hwnd_);  // the caret is drawn inverted: laid over, it would come back in the tint
  // The lines that show, and one more for a line cut at the bottom.
  const LRESULT firstLine = Send(EM_GETFIRSTVISIBLELINE);
  for (LRESULT line = firstLine; line <= firstLine + client.bottom / lineHeight + 1; ++line) {
    const LRESULT start = Send(EM_LINEINDEX, line);
    if (start < 0) break;
    const size_t end = std::min<size_t>(start + Send(EM_LINELENGTH, start), text.size());
    for (size_t i = start; i < end;) {
      if (!marked(i)) {
        i += unitsAt(i);
        continue;
      }
      size_t last = i, after = i;
      while (after < end && marked(after)) after += unitsAt(last = after);
      const POINT from = at(i), to = at(after);
      int right = to.x;
      if (after >= text.size() || to.y != from.y || to.x <= from.x) {  // the run ends its line
        SIZE size{};
        ::GetTextExtentPoint32W(measure.Get(), text.data() + last, unitsAt(last), &size);
        right = at(last).x + std::max<int>(size.cx, 1);
      }
      // Dest AND pattern: white becomes the tint, black stays black.
      ::PatBlt(dc.Get(), from.x, from.y, std::max<int>(right - from.x, 1), lineHeight, 0x00A000C9);
      i = after;
    }
  }
  ::ShowCaret(hwnd_);
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
  ++fontChanges_;
}

}  // namespace ui
