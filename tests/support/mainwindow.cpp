#include "support/mainwindow.h"

#include <algorithm>

#include "support/input.h"
#include "support/text.h"

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    ui::Form::Dispatch(msg);
  }
}

bool Settle(const std::function<bool()>& cond, int timeoutMs) { return input::WaitUntil(cond, &Pump, timeoutMs); }

std::vector<std::wstring> Items(const ui::ListBox& list) {
  std::vector<std::wstring> items;
  for (int i = 0; i < list.Count(); ++i) items.push_back(list.Item(i));
  return items;
}

std::vector<std::wstring> History(const ui::ComboBox& combo) {
  std::vector<std::wstring> items;
  for (int i = 0; i < static_cast<int>(combo.Send(CB_GETCOUNT)); ++i) items.push_back(combo.List(i));
  return items;
}

int IndexOf(const ui::ListBox& list, const std::wstring& name) {
  for (int i = 0; i < list.Count(); ++i)
    if (list.Item(i) == name) return i;
  return -1;
}

void AddName(ui::ListBox& list, std::wstring_view name) { list.SendText(LB_ADDSTRING, 0, name); }

int ReachableTopIndex(const ui::ListBox& list, int top) {
  RECT client;
  GetClientRect(list.Handle(), &client);
  const int rowHeight = static_cast<int>(SendMessageA(list.Handle(), LB_GETITEMHEIGHT, 0, 0));
  const int rows = rowHeight > 0 ? client.bottom / rowHeight : 1;
  return std::max(0, std::min(top, list.Count() - rows));
}

void Gather(Form1& form) {
  SendMessageA(form.Command1.Handle(), BM_CLICK, 0, 0);
  Pump();
}

std::vector<std::wstring> Search(Form1& form, const wchar_t* text) {
  form.Combo1.SetText(text);
  form.EnumFont0(1);
  return Items(form.List1);
}

bool Select(Form1& form, const std::wstring& name) {
  const int i = IndexOf(form.List1, name);
  form.List1.SetListIndex(i);
  if (i >= 0) form.List1_Click();
  return i >= 0;
}

LOGFONTA PreviewFont(const Form1& form) {
  LOGFONTA lf{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(form.Text2.Handle(), WM_GETFONT, 0, 0)), sizeof lf, &lf);
  return lf;
}

std::wstring FaceOf(const LOGFONTA& font) { return FromCp932(font.lfFaceName); }

LONG PixelsFor(double points) {
  HDC screen = GetDC(nullptr);
  const double exact = points * GetDeviceCaps(screen, LOGPIXELSY) / 72.0;
  ReleaseDC(nullptr, screen);
  const LONG px = static_cast<LONG>(exact + 0.5);
  return px < 1 ? 1 : px;
}

namespace {
const COLORREF S = GetSysColor(COLOR_BTNSHADOW), L = RGB(255, 255, 255), Face = GetSysColor(COLOR_BTNFACE);
}  // namespace

const ButtonLook kNormalLook{S, L, L, L, L, S}, kUpLook{L, S, S, S, Face, Face}, kDownLook{S, L, L, L, Face, Face};

ButtonLook LookOf(HWND surface) {
  RECT r;
  GetClientRect(surface, &r);
  return {ScreenPixel(surface, 0, 0),          ScreenPixel(surface, r.right - 1, 0),
          ScreenPixel(surface, 0, r.bottom - 1), ScreenPixel(surface, r.right - 1, r.bottom - 1),
          ScreenPixel(surface, 1, 1),          ScreenPixel(surface, r.right - 2, 1)};
}

bool ShowsColour(HWND hwnd, const RECT& part, COLORREF colour, bool onScreen) {
  if (!onScreen) RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  POINT origin{0, 0};
  if (onScreen) ClientToScreen(hwnd, &origin);
  const HWND from = onScreen ? nullptr : hwnd;
  HDC dc = GetDC(from);
  bool seen = false;
  for (int y = part.top; y < part.bottom && !seen; ++y)
    for (int x = part.left; x < part.right && !seen; ++x) seen = GetPixel(dc, origin.x + x, origin.y + y) == colour;
  ReleaseDC(from, dc);
  return seen;
}

COLORREF ScreenPixel(HWND hwnd, int x, int y) {
  RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  HDC dc = GetDC(hwnd);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(hwnd, dc);
  return c;
}
