#include "ui/panel.h"

#include "ui/label.h"

namespace ui {

namespace {
constexpr char kPanelClass[] = "GlyphboxPanel";
}

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
  CreateChild(parent, kPanelClass, L"", WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, r);
}

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
      result = 1;  // WM_PAINT paints everything, without flicker
      return true;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = ::BeginPaint(hwnd_, &ps);
      RECT client;
      ::GetClientRect(hwnd_, &client);
      PaintImage(dc, client);
      for (const Label* label : labels_) label->Paint(dc);
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
    case WM_MBUTTONDOWN: {
      const int button = msg == WM_LBUTTONDOWN ? 1 : msg == WM_RBUTTONDOWN ? 2 : 4;
      EventArgs a = MouseArgs(wp, lp, button);
      Fire(Event::MouseDown, a);
      return false;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
      const int button = msg == WM_LBUTTONUP ? 1 : msg == WM_RBUTTONUP ? 2 : 4;
      EventArgs a = MouseArgs(wp, lp, button);
      Fire(Event::MouseUp, a);
      return false;
    }
    case WM_MOUSEMOVE: {
      const int button = ((wp & MK_LBUTTON) ? 1 : 0) | ((wp & MK_RBUTTON) ? 2 : 0) | ((wp & MK_MBUTTON) ? 4 : 0);
      EventArgs a = MouseArgs(wp, lp, button);
      Fire(Event::MouseMove, a);
      return false;
    }
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
