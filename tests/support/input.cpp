#include "support/input.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace input {

namespace {

INPUT Key(WORD vk, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
  in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return in;
}

// Where the last MoveMouse went, in SendInput's absolute units; set once a move was made.
bool g_moved = false;
LONG g_dx = 0, g_dy = 0;

// What this thread has taken from its queue: key releases and mouse-button messages.
thread_local int t_keyUps = 0, t_buttons = 0;
thread_local POINT t_lastMove{-1, -1};
thread_local HHOOK t_hook = nullptr;

LRESULT CALLBACK CountTaken(int code, WPARAM removed, LPARAM lp) {
  if (code == HC_ACTION && removed == PM_REMOVE) {
    const MSG& msg = *reinterpret_cast<const MSG*>(lp);
    if (msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP) ++t_keyUps;
    if (msg.message >= WM_LBUTTONDOWN && msg.message <= WM_MBUTTONDBLCLK) ++t_buttons;
    if (msg.message == WM_MOUSEMOVE) t_lastMove = msg.pt;
  }
  return CallNextHookEx(nullptr, code, removed, lp);
}

void Count() {
  if (!t_hook) t_hook = SetWindowsHookExA(WH_GETMESSAGE, &CountTaken, nullptr, GetCurrentThreadId());
}

INPUT ButtonInput(DWORD flags) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flags;
  if (g_moved) {
    // A press at the pointer's own place moves nothing, so no extra mouse move is reported.
    in.mi.dx = g_dx;
    in.mi.dy = g_dy;
    in.mi.dwFlags |= MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  }
  return in;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& cond, const std::function<void()>& pump, int timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (pump) pump();
    if (cond()) return true;
    if (GetTickCount() - start > static_cast<DWORD>(timeoutMs)) return cond();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

void PressKey(WORD vk, bool shift, bool alt, bool ctrl) {
  std::vector<INPUT> seq;
  if (shift) seq.push_back(Key(VK_SHIFT, false));
  if (alt) seq.push_back(Key(VK_MENU, false));
  if (ctrl) seq.push_back(Key(VK_CONTROL, false));
  seq.push_back(Key(vk, false));
  seq.push_back(Key(vk, true));
  if (ctrl) seq.push_back(Key(VK_CONTROL, true));
  if (alt) seq.push_back(Key(VK_MENU, true));
  if (shift) seq.push_back(Key(VK_SHIFT, true));
  SendInput(static_cast<UINT>(seq.size()), seq.data(), sizeof(INPUT));
}

void PressKeyAndWait(WORD vk, const std::function<void()>& pump, bool shift, bool alt, bool ctrl) {
  Count();
  const int want = t_keyUps + 1 + shift + alt + ctrl;
  PressKey(vk, shift, alt, ctrl);
  EXPECT_TRUE(WaitUntil([&] { return t_keyUps >= want; }, pump, 3000)) << "key " << vk << " was never taken";
}

void TypeText(std::wstring_view text, const std::function<void()>& pump) {
  Count();
  std::vector<INPUT> seq;
  for (const wchar_t unit : text) {
    for (const DWORD up : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
      INPUT in{};
      in.type = INPUT_KEYBOARD;
      in.ki.wScan = unit;
      in.ki.dwFlags = KEYEVENTF_UNICODE | up;
      seq.push_back(in);
    }
  }
  const int want = t_keyUps + static_cast<int>(text.size());
  SendInput(static_cast<UINT>(seq.size()), seq.data(), sizeof(INPUT));
  EXPECT_TRUE(WaitUntil([&] { return t_keyUps >= want; }, pump, 3000)) << "typed text never taken";
}

namespace {

void SendMove(POINT screen) {
  SetCursorPos(screen.x, screen.y);
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = g_dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  in.mi.dy = g_dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  g_moved = true;
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &in, sizeof in);
}

// Whether this thread's windows are told of the pointer's moves to the point: one of them
// holds the mouse, or lies under the point.
bool MovesComeHere(POINT screen) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (GetGUIThreadInfo(GetCurrentThreadId(), &info) && info.hwndCapture) return true;
  const HWND under = WindowFromPoint(screen);
  return under && GetWindowThreadProcessId(under, nullptr) == GetCurrentThreadId();
}

}  // namespace

// A point one pixel beside the given one over the same window, or the point itself.
POINT Beside(POINT screen) {
  const HWND under = WindowFromPoint(screen);
  for (const POINT p : {POINT{screen.x, screen.y + 1}, POINT{screen.x, screen.y - 1}, POINT{screen.x + 1, screen.y},
                        POINT{screen.x - 1, screen.y}})
    if (WindowFromPoint(p) == under) return p;
  return screen;
}

void MoveMouse(POINT screen, const std::function<void()>& pump) {
  Count();
  const bool here = MovesComeHere(screen);
  SendMove(screen);
  DWORD sent = GetTickCount();
  EXPECT_TRUE(WaitUntil(
      [&] {
        POINT now;
        GetCursorPos(&now);
        const bool there = now.x == screen.x && now.y == screen.y;
        const bool heard = t_lastMove.x == screen.x && t_lastMove.y == screen.y;
        if (there && (!here || heard)) return true;
        // Under Wine a late report of an earlier position can take the pointer back there, or
        // reach the window after the move did; and a pointer already at the point is not
        // reported again. Either way the pointer goes there once more, by way of a pixel beside.
        if (GetTickCount() - sent > 50) {
          if (there) SendMove(Beside(screen));
          SendMove(screen);
          sent = GetTickCount();
        }
        return false;
      },
      pump, 3000))
      << "the pointer never reached " << screen.x << "," << screen.y << (here ? ", or its window never heard" : "");
}

bool InMenu(DWORD thread) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(thread, &info) && (info.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE)) && info.hwndMenuOwner;
}

void KeepMouseAt(POINT screen, const std::function<void()>& pump) {
  Count();
  if (t_lastMove.x != screen.x || t_lastMove.y != screen.y) MoveMouse(screen, pump);
}

void MouseButtonSequence(std::initializer_list<DWORD> flags, const std::function<void()>& pump) {
  Count();
  std::vector<INPUT> events;
  for (DWORD f : flags) events.push_back(ButtonInput(f));
  const int want = t_buttons + static_cast<int>(events.size());
  SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
  if (pump) {
    EXPECT_TRUE(WaitUntil([&] { return t_buttons >= want; }, pump, 3000)) << "mouse buttons never taken";
  }
}

void MouseButtons(DWORD flags, const std::function<void()>& pump) { MouseButtonSequence({flags}, pump); }

POINT MiddleOf(HWND hwnd, const RECT* part) {
  RECT r;
  if (part) {
    r = *part;
    MapWindowPoints(hwnd, HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
  } else {
    GetWindowRect(hwnd, &r);
  }
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

HWND FindChild(HWND parent, const std::function<bool(HWND)>& is) {
  std::pair<const std::function<bool(HWND)>*, HWND> search{&is, nullptr};
  EnumChildWindows(parent, [](HWND c, LPARAM p) -> BOOL {
    auto* s = reinterpret_cast<decltype(search)*>(p);
    if ((*s->first)(c)) s->second = c;
    return s->second == nullptr;
  }, reinterpret_cast<LPARAM>(&search));
  return search.second;
}

HWND VisibleWindowOf(DWORD process, const char* cls, const char* title) {
  for (HWND w = FindWindowExA(nullptr, nullptr, cls, title); w; w = FindWindowExA(nullptr, w, cls, title)) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == process && IsWindowVisible(w)) return w;
  }
  return nullptr;
}

HWND PanelOfSize(HWND parent, int width, int height) {
  return FindChild(parent, [&](HWND c) {
    RECT r;
    GetWindowRect(c, &r);
    char cls[32] = {};
    GetClassNameA(c, cls, sizeof cls);
    return std::string(cls) == "GlyphboxPanel" && r.right - r.left == width && r.bottom - r.top == height;
  });
}

void ClickFlatButton(HWND button, const std::function<void()>& pump) {
  MoveMouse(MiddleOf(button), pump);
  const DWORD thread = GetWindowThreadProcessId(button, nullptr);
  EXPECT_TRUE(WaitUntil([&] {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(thread, &info) && info.hwndCapture == button;
  }, pump, 5000)) << "the flat button never took the mouse";
  MouseButtons(MOUSEEVENTF_LEFTDOWN);
  MouseButtons(MOUSEEVENTF_LEFTUP);
}

bool MakeForeground(HWND hwnd, const std::function<void()>& pump) {
  SetForegroundWindow(hwnd);
  return WaitUntil([&] { return GetForegroundWindow() == hwnd; }, pump, 3000);
}

}  // namespace input
