#include "ui/label.h"

#include "ui/handles.h"
#include "ui/panel.h"

namespace ui {

void Label::Create(Panel& container, const Rect& r, std::wstring caption, Align align) {
  container_ = &container;
  rect_ = r;
  caption_ = std::move(caption);
  align_ = align;
  container.AddLabel(*this);
  Invalidate();
}

void Label::SetCaption(std::wstring caption) {
  caption_ = std::move(caption);
  Invalidate();
}

wchar_t AccessKeyOf(std::wstring_view caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] != L'&') return caption[i + 1];
    ++i;
  }
  return 0;
}

void Label::Move(double left, double top, double width, double height) {
  Invalidate();
  rect_ = {left, top, width, height};
  Invalidate();
}

void Label::FitText() {
  WindowDc screen(nullptr);
  Selection font(screen.Get(), DefaultUiFont());
  RECT r{0, 0, 0, 0};
  ::DrawTextW(screen.Get(), caption_.c_str(), static_cast<int>(caption_.size()), &r, DT_CALCRECT | DT_SINGLELINE);
  Move(rect_.left, rect_.top, XToTwips(r.right), YToTwips(r.bottom));
}

RECT Label::PixelRect() const { return ToPixels(rect_); }

void Label::Invalidate() const {
  if (!container_ || !container_->Handle()) return;
  const RECT r = PixelRect();
  ::InvalidateRect(container_->Handle(), &r, TRUE);
}

void Label::Paint(HDC dc) const {
  RECT r = PixelRect();
  Selection font(dc, DefaultUiFont());
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
  // In another UI font the text may be a little wider than its box: never clip it.
  const UINT format = DT_NOCLIP | DT_SINGLELINE | (align_ == Align::Center ? DT_CENTER : DT_LEFT);
  // Drawn in Unicode: a caption may name characters the code page lacks.
  ::DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &r, format);
}

}  // namespace ui
