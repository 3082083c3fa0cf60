#include "ui/panel.h"

#include "ui/label.h"
#include "ui/twips.h"

namespace ui {

namespace {

void Fill(HDC dc, const RECT& r, COLORREF color) {
  UniqueBrush brush(::CreateSolidBrush(color));
  ::FillRect(dc, &r, brush.Get());
}

void DrawLine(HDC dc, POINT from, POINT to, COLORREF color) {
  UniquePen pen(::CreatePen(PS_SOLID, 1, color));
  Selection use(dc, pen.Get());
  ::MoveToEx(dc, from.x, from.y, nullptr);
  ::LineTo(dc, to.x, to.y);
}

int DrawPixels(DrawTwips t) { return static_cast<int>(RoundHalfEven(t.value / kDrawPixel.value)); }

}  // namespace

void Panel::Create(HWND parent, const Rect& r, Look look) {
  // Painted whole again on a resize: a frame's edges and its labels move with its size.
  static const ATOM cls = OwnClass("GlyphboxPanel", CS_HREDRAW | CS_VREDRAW, nullptr);
  look_ = look;
  rect_ = r;
  const RECT px = ToPixels(r);
  CreateOwn(cls, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
            WS_EX_CONTROLPARENT | (look == Look::Sunken ? WS_EX_CLIENTEDGE : 0), px.left, px.top,
            px.right - px.left, px.bottom - px.top, parent);
}

void Panel::SetBackColor(COLORREF color) {
  fixedColor_ = true;
  color_ = color;
  if (hwnd_) ::InvalidateRect(hwnd_, nullptr, TRUE);
}

void Panel::AddLine(double x1, double y1, double x2, double y2, COLORREF color) {
  lines_.push_back({x1, y1, x2, y2, color});
  if (hwnd_) ::InvalidateRect(hwnd_, nullptr, FALSE);
}

void Panel::SetPicture(HICON icon) {
  picture_ = icon;
  if (hwnd_) ::InvalidateRect(hwnd_, nullptr, FALSE);
}

void Panel::PaintAll(HDC dc) {
  PaintImage(dc, Client());
  for (const Stroke& l : lines_)
    DrawLine(dc, {XToPixels(l.x1), YToPixels(l.y1)}, {XToPixels(l.x2), YToPixels(l.y2)}, l.color);
  if (picture_) ::DrawIconEx(dc, 0, 0, picture_, 0, 0, 0, nullptr, DI_NORMAL);
  for (const Label* label : labels_) label->Paint(dc);
}

void Panel::FireMouse(Event event, EventArgs& args, LPARAM lp) {
  const POINT at{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
  for (auto it = labels_.rbegin(); it != labels_.rend(); ++it) {
    const RECT r = (*it)->PixelRect();
    if (::PtInRect(&r, at) && (*it)->Handles(event)) {
      args.x -= (*it)->Left();
      args.y -= (*it)->Top();
      (*it)->Fire(event, args);
      return;
    }
  }
  Fire(event, args);
}

void Panel::PaintImage(HDC dc, const RECT& client) {
  Fill(dc, client, BackColor());
  if (look_ != Look::Frame) return;
  // A group box without caption: its etched line runs where a caption's middle would be.
  TEXTMETRICA tm{};
  Selection font(dc, DefaultUiFont());
  ::GetTextMetricsA(dc, &tm);
  RECT edge = client;
  edge.top += tm.tmHeight / 2;
  ::DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
}

bool Panel::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  Event event;
  if (EventArgs args; InputEvent(msg, wp, lp, event, args)) {
    if (event == Event::KeyDown)
      Fire(event, args);
    else
      FireMouse(event, args, lp);
    return false;
  }
  if (Notified(msg, wp, lp)) return true;
  switch (msg) {
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lp) != hwnd_) Fire(Event::LostCapture);
      return false;
    case WM_ERASEBKGND:
      if (Solid()) Fill(reinterpret_cast<HDC>(wp), Client(), BackColor());
      result = 1;  // otherwise WM_PAINT paints everything, without flicker
      return true;
    case WM_PAINT: {
      // Drawn off screen first, so moving labels neither flicker nor leave trails.
      PAINTSTRUCT ps;
      HDC dc = ::BeginPaint(hwnd_, &ps);
      const RECT client = Client();
      UniqueMemoryDc memory(::CreateCompatibleDC(dc));
      UniqueBitmap canvas(::CreateCompatibleBitmap(dc, client.right > 0 ? client.right : 1,
                                                   client.bottom > 0 ? client.bottom : 1));
      {
        Selection select(memory.Get(), canvas.Get());
        PaintAll(memory.Get());
        ::BitBlt(dc, 0, 0, client.right, client.bottom, memory.Get(), 0, 0, SRCCOPY);
      }
      ::EndPaint(hwnd_, &ps);
      return true;
    }
    case WM_SETCURSOR:
      if (!cursor_ || LOWORD(lp) != HTCLIENT) return false;
      ::SetCursor(cursor_);
      result = TRUE;
      return true;
    default:
      return false;
  }
}

HDC PictureBox::Image() {
  const RECT client = Client();
  const SIZE want{client.right > 0 ? client.right : 1, client.bottom > 0 ? client.bottom : 1};
  if (dc_ && want.cx == size_.cx && want.cy == size_.cy) return dc_.Get();
  WindowDc screen(hwnd_);
  UniqueMemoryDc dc(::CreateCompatibleDC(screen.Get()));
  UniqueBitmap image(::CreateCompatibleBitmap(screen.Get(), want.cx, want.cy));
  const HGDIOBJ original = ::SelectObject(dc.Get(), image.Get());
  Fill(dc.Get(), {0, 0, want.cx, want.cy}, BackColor());
  // A resized picture keeps what was drawn on it.
  if (dc_) ::BitBlt(dc.Get(), 0, 0, size_.cx, size_.cy, dc_.Get(), 0, 0, SRCCOPY);
  if (dc_) ::SelectObject(dc_.Get(), original_);  // the old image is free to go
  dc_ = std::move(dc);
  image_ = std::move(image);
  original_ = original;
  size_ = want;
  return dc_.Get();
}

void PictureBox::Cls() {
  Fill(Image(), {0, 0, size_.cx, size_.cy}, BackColor());
  ::InvalidateRect(hwnd_, nullptr, FALSE);
}

DrawTwips PictureBox::DrawWidth() const { return {Client().right * kDrawPixel.value}; }
DrawTwips PictureBox::DrawHeight() const { return {Client().bottom * kDrawPixel.value}; }

void PictureBox::Line(DrawTwips x1, DrawTwips y1, DrawTwips x2, DrawTwips y2, COLORREF color) {
  DrawLine(Image(), {DrawPixels(x1), DrawPixels(y1)}, {DrawPixels(x2), DrawPixels(y2)}, color);
  ::InvalidateRect(hwnd_, nullptr, FALSE);
}

void PictureBox::PaintImage(HDC dc, const RECT& client) {
  ::BitBlt(dc, 0, 0, client.right, client.bottom, Image(), 0, 0, SRCCOPY);
}

bool PictureBox::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (msg == WM_SIZE) Image();
  return Panel::OnMessage(msg, wp, lp, result);
}

}  // namespace ui
