#pragma once
// The standard controls the forms use, each decoding its own notifications.
#include <string>

#include "ui/control.h"
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
  void Notify(unsigned code) override;
};

class ComboBox : public Control {
 public:
  // An editable text field with a drop-down list.
  void Create(HWND parent, const Rect& r);
  HWND EditHandle() const;
};

class TextBox : public Control {
 public:
  enum class Kind { SingleLine, MultiLine };
  void Create(HWND parent, const Rect& r, Kind kind);
  void SetMaxLength(int chars);
  void DisableInputMethod();

  // The control's own font; the face stays as created until SetFontName.
  double FontSize() const { return fontSize_; }
  void SetFontSize(double points);
  std::wstring FontName() const;
  void SetFontName(std::wstring_view face);

 private:
  void ApplyFont();

  LOGFONTA logFont_{};
  double fontSize_ = 0;
  UniqueFont font_;
};

}  // namespace ui
