#pragma once
// The standard controls the forms use, each decoding its own notifications.
#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/handles.h"

namespace ui {

// A push button or check box: a click is its Click.
class Button : public Control {
 public:
  void Notify(unsigned code) override;
};

class CommandButton : public Button {
 public:
  void Create(HWND parent, const Rect& r, std::wstring_view caption);
};

class CheckBox : public Button {
 public:
  void Create(HWND parent, const Rect& r, std::wstring_view caption);
  bool Checked() const { return Send(BM_GETCHECK) == BST_CHECKED; }
};

class ListBox : public Control {
 public:
  // Single selection, kept sorted by the control itself.
  void Create(HWND parent, const Rect& r);
  int Count() const { return static_cast<int>(Send(LB_GETCOUNT)); }
  std::wstring Item(int index) const;
  // The locale whose order the list keeps.
  LCID Locale() const { return static_cast<LCID>(Send(LB_GETLOCALE)); }
  // Adds at the end, whatever the order: for names already in the list's order.
  void AppendItem(std::wstring_view text) { SendText(LB_INSERTSTRING, static_cast<WPARAM>(-1), text); }
  void Clear() { Send(LB_RESETCONTENT); }
  int ListIndex() const { return static_cast<int>(Send(LB_GETCURSEL)); }
  // The entry whose text is exactly the text, case included, or -1.
  int FindExact(std::wstring_view text) const;
  // The selected entry's text; empty when none is selected.
  std::wstring SelectedText() const { return ListIndex() >= 0 ? Item(ListIndex()) : std::wstring(); }
  // Selecting by program raises no notification of its own: callers that want the click
  // behaviour call the handler themselves.
  void SetListIndex(int index) { Send(LB_SETCURSEL, index); }
  int TopIndex() const { return static_cast<int>(Send(LB_GETTOPINDEX)); }
  void SetTopIndex(int index) { Send(LB_SETTOPINDEX, index); }
  // Off: nothing of the list is drawn or measured while it changes (its scroll bar follows
  // every added name otherwise); on again: drawn whole, frame and scroll bar included. (A
  // hidden list may show itself when its redraw comes back: the platform's WM_SETREDRAW.)
  void SetRedraw(bool on);
  // The row at a point of the list (twips); Count() below the last row.
  int RowAt(double x, double y) const;
  // What the list says, in grey, while it is empty; nothing when empty.
  void SetEmptyText(std::wstring text);
  void Notify(unsigned code) override;

 protected:
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  std::wstring emptyText_;
};

class ComboBox : public Control {
 public:
  // An editable text field with a drop-down list. Keys typed into the field are reported
  // as the combo box's KeyDown.
  void Create(HWND parent, const Rect& r);
  HWND EditHandle() const;

  // The drop-down list.
  std::wstring List(int index) const;
  // The first entry equal to the text apart from case, or -1.
  int FindExact(std::wstring_view text) const;
  void InsertItem(int index, std::wstring_view text);
  // The height is the closed box's; the drop-down list keeps its room below it.
  bool Move(double left, double top, double width, double height) override;
};

class TextBox : public Control {
 public:
  enum class Kind { SingleLine, MultiLine };
  // A `unicode` box keeps every character its user types, pastes or is given.
  void Create(HWND parent, const Rect& r, Kind kind, bool unicode = false);
  void Notify(unsigned code) override;
  void SetMaxLength(int chars) { Send(EM_SETLIMITTEXT, chars); }
  void DisableInputMethod();

  // The control's own font. Each change applies at once, unless a FontUpdate is open:
  // then the changes go to the control together when the last one closes.
  double FontSize() const { return fontSize_; }
  void SetFontSize(double points);
  std::wstring FontName() const;
  void SetFontName(std::wstring_view face);
  void SetFontBold(bool on) { ChangeFont(logFont_.lfWeight, on ? FW_BOLD : FW_NORMAL); }
  void SetFontItalic(bool on) { ChangeFont(logFont_.lfItalic, on); }
  void SetFontStrikethru(bool on) { ChangeFont(logFont_.lfStrikeOut, on); }
  void SetFontUnderline(bool on) { ChangeFont(logFont_.lfUnderline, on); }

  // The font the box draws in now, and how often it was given a new one.
  HFONT Font() const { return font_ ? font_.Get() : reinterpret_cast<HFONT>(Send(WM_GETFONT)); }
  unsigned FontChanges() const { return fontChanges_; }

  // Marks each of these characters of the text with a tint over its cell, however the text
  // is drawn, scrolled, typed or selected; none when there are none. The tint is laid over
  // what the box drew (each colour ANDed with it), so black text stays black.
  void SetMarks(std::vector<char32_t> marked, COLORREF tint);
  const std::vector<char32_t>& Marks() const { return marked_; }

  class FontUpdate {
   public:
    explicit FontUpdate(TextBox& box) : box_(box) { ++box_.batch_; }
    ~FontUpdate() {
      if (--box_.batch_ == 0 && box_.dirty_) box_.ApplyFont();
    }
    FontUpdate(const FontUpdate&) = delete;
    FontUpdate& operator=(const FontUpdate&) = delete;

   private:
    TextBox& box_;
  };

 protected:
  // Typed characters are its KeyPress: a handler may discard (0) or replace them.
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  template <class Field, class Value>
  void ChangeFont(Field& field, Value value) {
    field = static_cast<Field>(value);
    ApplyFont();
  }
  void ApplyFont();
  void DrawMarks();

  std::vector<char32_t> marked_;  // sorted
  COLORREF tint_ = 0;
  LOGFONTA logFont_{};
  double fontSize_ = 0;
  UniqueFont font_;
  unsigned fontChanges_ = 0;
  int batch_ = 0;
  bool dirty_ = false;
};

}  // namespace ui
