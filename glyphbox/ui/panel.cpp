#include "ui/panel.h"

#include "ui/label.h"

namespace ui {

namespace {
constexpr char kPanelClass[] = "GlyphboxPanel";

// 1 left, 2 right, 4 middle, added together.
int HeldButtons(WPARAM wp) {
  return ((wp & MK_LBUTTON) ? 1 : 0) | ((wp & MK_RBUTTON) ? 2 : 0) | ((wp & MK_MBUTTON) ? 4 : 0);
}
}  // namespace

void Panel::Register() {
  static const bool registered = [] {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    // Paint everything again on a resize: a frame's edges and its labels move with its size.
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = &Panel::ClassProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.lpszClassName = kPanelClass;
    return ::RegisterClassExA(&wc) != 0;
  }();
  (void)registered;
}

LRESULT CALLBACK Panel::ClassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<Panel*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
    self->hwnd_ = hwnd;
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(static_cast<Control*>(self)));
  }
  LRESULT result = 0;
  try {
    auto* self = static_cast<Panel*>(FromHandle(hwnd));
    if (self && self->Filter(msg, wp, lp, result)) return result;
  } catch (...) {
    // Nothing may unwind into the platform's window procedure.
  }
  return ::DefWindowProcA(hwnd, msg, wp, lp);
}

void Panel::Create(HWND parent, const Rect& r, Look look) {
  Register();
  look_ = look;
  const DWORD ex = WS_EX_CONTROLPARENT | (look == Look::Sunken ? WS_EX_CLIENTEDGE : 0);
  CreateChild(parent, kPanelClass, L"", WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, ex, r);
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
  RECT client;
  ::GetClientRect(hwnd_, &client);
  PaintImage(dc, client);
  for (const Stroke& l : lines_) {
    UniquePen pen(::CreatePen(PS_SOLID, 1, l.color));
    Selection use(dc, pen.Get());
    ::MoveToEx(dc, XToPixels(l.x1), YToPixels(l.y1), nullptr);
    ::LineTo(dc, XToPixels(l.x2), YToPixels(l.y2));
  }
  if (picture_) ::DrawIconEx(dc, 0, 0, picture_, 0, 0, 0, nullptr, DI_NORMAL);
  for (const Label* label : labels_) label->Paint(dc);
}

// A press or move over a windowless label belongs to the label when it listens for it.
bool Panel::FireMouse(Event event, WPARAM wp, LPARAM lp, int button) {
  EventArgs a = MouseArgs(wp, lp, button);
  const POINT at{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
  for (auto it = labels_.rbegin(); it != labels_.rend(); ++it) {
    const RECT r = (*it)->PixelRect();
    if (::PtInRect(&r, at) && (*it)->Handles(event)) {
      a.x -= (*it)->Left();
      a.y -= (*it)->Top();
      (*it)->Fire(event, a);
      return false;
    }
  }
  Fire(event, a);
  return false;
}

bool Panel::Solid() const { return look_ == Look::Plain && lines_.empty() && !picture_ && labels_.empty(); }

void Panel::SetBackColor(COLORREF color) {
  fixedColor_ = true;
  color_ = color;
  if (hwnd_) ::InvalidateRect(hwnd_, nullptr, TRUE);
}

COLORREF Panel::BackColor() const { return fixedColor_ ? color_ : ::GetSysColor(COLOR_BTNFACE); }

double Panel::ScaleWidth() const {
  RECT r{};
  ::GetClientRect(hwnd_, &r);
  return XToTwips(r.right);
}
double Panel::ScaleHeight() const {
  RECT r{};
  ::GetClientRect(hwnd_, &r);
  return YToTwips(r.bottom);
}

void Panel::PaintImage(HDC dc, const RECT& client) {
  UniqueBrush brush(::CreateSolidBrush(BackColor()));
  ::FillRect(dc, &client, brush.Get());
  if (look_ == Look::Frame) {
    // A group box without caption: its etched line runs where a caption's middle would be.
    TEXTMETRICA tm{};
    Selection font(dc, DefaultUiFont());
    ::GetTextMetricsA(dc, &tm);
    RECT edge = client;
    edge.top += tm.tmHeight / 2;
    ::DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
  }
}

bool Panel::Filter(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_ERASEBKGND:
      if (Solid()) {
        RECT client;
        ::GetClientRect(hwnd_, &client);
        UniqueBrush brush(::CreateSolidBrush(BackColor()));
        ::FillRect(reinterpret_cast<HDC>(wp), &client, brush.Get());
      }
      result = 1;  // otherwise WM_PAINT paints everything, without flicker
      return true;
    case WM_PAINT: {
      // Drawn off screen first, so moving labels neither flicker nor leave trails.
      PAINTSTRUCT ps;
      HDC dc = ::BeginPaint(hwnd_, &ps);
      RECT client;
      ::GetClientRect(hwnd_, &client);
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
      if (cursor_ && LOWORD(lp) == HTCLIENT) {
        ::SetCursor(cursor_);
        result = TRUE;
        return true;
      }
      return false;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
      // Controls inside a frame still report to the form.
      result = ::SendMessageA(::GetParent(hwnd_), msg, wp, lp);
      return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
      // The state of all buttons held now (a quick second press arrives as a double click).
      return FireMouse(Event::MouseDown, wp, lp, HeldButtons(wp));
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
      // The button let go, together with any still held.
      const int released = msg == WM_LBUTTONUP ? 1 : msg == WM_RBUTTONUP ? 2 : 4;
      return FireMouse(Event::MouseUp, wp, lp, released | HeldButtons(wp));
    }
    case WM_MOUSEMOVE:
      return FireMouse(Event::MouseMove, wp, lp, HeldButtons(wp));
    default:
      return false;
  }
}

void PictureBox::EnsureImage() {
  RECT client{};
  ::GetClientRect(hwnd_, &client);
  const SIZE want{client.right > 0 ? client.right : 1, client.bottom > 0 ? client.bottom : 1};
  if (image_ && want.cx == imageSize_.cx && want.cy == imageSize_.cy) return;
  WindowDc screen(hwnd_);
  UniqueBitmap fresh(::CreateCompatibleBitmap(screen.Get(), want.cx, want.cy));
  UniqueMemoryDc to(::CreateCompatibleDC(screen.Get()));
  {
    Selection select(to.Get(), fresh.Get());
    const RECT all{0, 0, want.cx, want.cy};
    UniqueBrush brush(::CreateSolidBrush(BackColor()));
    ::FillRect(to.Get(), &all, brush.Get());
    if (image_) {
      // A resized picture keeps what was drawn on it.
      UniqueMemoryDc from(::CreateCompatibleDC(screen.Get()));
      Selection old(from.Get(), image_.Get());
      ::BitBlt(to.Get(), 0, 0, imageSize_.cx, imageSize_.cy, from.Get(), 0, 0, SRCCOPY);
    }
  }
  image_ = std::move(fresh);
  imageSize_ = want;
}

void PictureBox::Cls() {
  EnsureImage();
  UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
  Selection select(dc.Get(), image_.Get());
  const RECT all{0, 0, imageSize_.cx, imageSize_.cy};
  UniqueBrush brush(::CreateSolidBrush(BackColor()));
  ::FillRect(dc.Get(), &all, brush.Get());
  ::InvalidateRect(hwnd_, nullptr, FALSE);
}

void PictureBox::Line(double x1, double y1, double x2, double y2, COLORREF color) {
  EnsureImage();
  UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
  Selection select(dc.Get(), image_.Get());
  UniquePen pen(::CreatePen(PS_SOLID, 1, color));
  Selection usePen(dc.Get(), pen.Get());
  ::MoveToEx(dc.Get(), XToPixels(x1), YToPixels(y1), nullptr);
  ::LineTo(dc.Get(), XToPixels(x2), YToPixels(y2));
  ::InvalidateRect(hwnd_, nullptr, FALSE);
}

COLORREF PictureBox::Point(double x, double y) const {
  if (!image_) return CLR_INVALID;
  UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
  Selection select(dc.Get(), image_.Get());
  return ::GetPixel(dc.Get(), XToPixels(x), YToPixels(y));
}

void PictureBox::PaintImage(HDC dc, const RECT& client) {
  EnsureImage();
  UniqueMemoryDc from(::CreateCompatibleDC(dc));
  Selection select(from.Get(), image_.Get());
  ::BitBlt(dc, 0, 0, client.right, client.bottom, from.Get(), 0, 0, SRCCOPY);
}

bool PictureBox::Filter(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (msg == WM_SIZE) EnsureImage();
  return Panel::Filter(msg, wp, lp, result);
}

}  // namespace ui
