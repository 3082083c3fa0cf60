#pragma once
// A windowless label: no HWND of its own, drawn by its container on the container's surface.
#include <string>
#include <string_view>

#include "ui/control.h"

namespace ui {

class Panel;

// The letter after the first single "&" of a caption ("&&" is a literal "&"), or 0.
wchar_t AccessKeyOf(std::wstring_view caption);

class Label : public EventSource {
 public:
  enum class Align { Left, Center };

  void Create(Panel& container, const Rect& r, std::wstring caption, Align align = Align::Left);

  Panel* Container() const { return container_; }
  const std::wstring& Caption() const { return caption_; }
  void SetCaption(std::wstring caption);
  // The access-key letter after "&", or 0.
  wchar_t AccessKey() const { return AccessKeyOf(caption_); }

  double Left() const { return rect_.left; }
  double Top() const { return rect_.top; }
  double Width() const { return rect_.width; }
  double Height() const { return rect_.height; }
  void Move(double left, double top, double width, double height);
  // Width and height follow the caption's text in the UI font.
  void FitText();
  // Where it lies on its container, in pixels.
  RECT PixelRect() const;

  void Paint(HDC dc) const;

 private:
  void Invalidate() const;

  Panel* container_ = nullptr;
  Rect rect_{};
  std::wstring caption_;
  Align align_ = Align::Left;
};

}  // namespace ui
