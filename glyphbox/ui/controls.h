#pragma once
// The standard controls the forms use, each decoding its own notifications.
#include <string>

#include "ui/control.h"
#include "ui/droptarget.h"
#include "ui/handles.h"

namespace ui {

class CommandButton : public Control {
 public:
  void Create(HWND parent, const Rect& r, std::wstring_view caption);
  void Notify(unsigned code) override;
};

class CheckBox : public Control {
 public:
  void Create(HWND parent, const Rect& r, std::wstring_view caption);
  bool Checked() const;
  void SetChecked(bool checked);
  void Notify(unsigned code) override;
};

class ListBox : public Control {
 public:
  // Single selection, kept sorted by the control itself.
  void Create(HWND parent, const Rect& r);
  int Count() const;
  std::wstring Item(int index) const;
  void AddItem(std::wstring_view text);
  void RemoveItem(int index);
  void Clear();
  int ListIndex() const;
  // Selecting by program raises no notification of its own: callers that want the click
  // behaviour call the handler themselves.
  void SetListIndex(int index);
  int TopIndex() const;
  void SetTopIndex(int index);
  // The list's font size in points.
  double FontSize() const;
  // Every row this many twips high.
  void SetRowHeight(double twips);
  void Notify(unsigned code) override;

 protected:
  bool Filter(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};

class ComboBox : public Control {
 public:
  // An editable text field with a drop-down list. Keys typed into the field are reported
  // as the combo box's KeyDown.
  void Create(HWND parent, const Rect& r);
  HWND EditHandle() const;

  // The drop-down list.
  int ListCount() const;
  std::wstring List(int index) const;
  // The first entry equal to the text apart from case, or -1.
  int FindExact(std::wstring_view text) const;
  void InsertItem(int index, std::wstring_view text);
  // The height is the closed box's; the drop-down list keeps its room below it.
  bool Move(double left, double top, double width, double height) override;

 protected:
  bool Filter(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};

class TextBox : public Control {
 public:
  enum class Kind { SingleLine, MultiLine };
  void Create(HWND parent, const Rect& r, Kind kind);
  void SetMaxLength(int chars);
  void DisableInputMethod();
  // Files dropped on the box reach its OLEDragDrop event; the box itself inserts nothing.
  void AcceptFileDrops();
  IDropTarget* DropTarget() { return &dropTarget_; }

  // The control's own font. Each change applies at once, unless a FontUpdate is open:
  // then the changes go to the control together when the last one closes.
  double FontSize() const { return fontSize_; }
  void SetFontSize(double points);
  std::wstring FontName() const;
  void SetFontName(std::wstring_view face);
  bool FontBold() const { return logFont_.lfWeight >= FW_BOLD; }
  void SetFontBold(bool on);
  bool FontItalic() const { return logFont_.lfItalic != 0; }
  void SetFontItalic(bool on);
  bool FontStrikethru() const { return logFont_.lfStrikeOut != 0; }
  void SetFontStrikethru(bool on);
  bool FontUnderline() const { return logFont_.lfUnderline != 0; }
  void SetFontUnderline(bool on);

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
  bool Filter(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  void ApplyFont();

  LOGFONTA logFont_{};
  double fontSize_ = 0;
  UniqueFont font_;
  int batch_ = 0;
  bool dirty_ = false;
  FileDropTarget dropTarget_{*this};
};

}  // namespace ui
