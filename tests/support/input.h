#pragma once
// Real keyboard and mouse input through the system's input queue, and waiting on conditions.
#include <windows.h>

#include <functional>
#include <string_view>

namespace input {

// Calls pump and checks cond until cond holds or the time is up; returns cond's last value.
bool WaitUntil(const std::function<bool()>& cond, const std::function<void()>& pump, int timeoutMs = 5000);

// Presses and releases a key, with Shift, Alt and/or Ctrl held around it.
void PressKey(WORD vk, bool shift = false, bool alt = false, bool ctrl = false);
// The same, then runs pump until this thread has taken the last key release from its
// queue: by then its windows have handled the whole key press.
void PressKeyAndWait(WORD vk, const std::function<void()>& pump, bool shift = false, bool alt = false,
                     bool ctrl = false);

// Types the text as an input method hands over what it composed: one UTF-16 unit after the
// other, a pair as its two halves; then waits until this thread has taken every release.
void TypeText(std::wstring_view text, const std::function<void()>& pump);

// Moves the mouse pointer to a point of the screen and waits until it is there and, when a
// window of this thread lies under it or holds the mouse, until the last move this thread
// took was to the point: by then the window has handled it. A late report of an earlier
// place, which Wine may deliver after the move, is answered with the move again.
void MoveMouse(POINT screen, const std::function<void()>& pump);
// Whether the thread shows a menu and takes the keyboard for it.
bool InMenu(DWORD thread);
// For waits on what hovering does: moves the pointer again unless the last mouse move this
// thread took from its queue was at the point. Under Wine the X server's late report of an
// earlier position can put the pointer back there, even after it has arrived.
void KeepMouseAt(POINT screen, const std::function<void()>& pump);
// Presses or releases mouse buttons (MOUSEEVENTF_... flags) at the point the last MoveMouse
// went to. Each event carries that point itself: under Wine a late pointer event of the X
// server can still put the pointer back where it was, and a bare press would then land there.
// With a pump, waits until this thread has taken the button messages from its queue.
void MouseButtons(DWORD flags, const std::function<void()>& pump = nullptr);
// Several such events in one go (a double click), waited for the same way.
void MouseButtonSequence(std::initializer_list<DWORD> flags, const std::function<void()>& pump);

// The middle of a window on the screen, or of a part of it given in its client coordinates.
POINT MiddleOf(HWND hwnd, const RECT* part = nullptr);
// A shown top-level window of the process, of that class (and title): a menu, a message box.
HWND VisibleWindowOf(DWORD process, const char* cls, const char* title = nullptr);
// The first child window, at any depth, for which `is` holds.
HWND FindChild(HWND parent, const std::function<bool(HWND)>& is);
// The child panel of the given size in pixels: a flat button's surface, the about icon.
HWND PanelOfSize(HWND parent, int width, int height);
// Clicks a flat button with the left button. A flat button takes the mouse capture once it
// has seen the pointer arrive; a press sent before that, on a busy machine, may reach
// whatever lay under the pointer's old place.
void ClickFlatButton(HWND button, const std::function<void()>& pump);

// Brings a top-level window to the front so that it receives the keyboard.
bool MakeForeground(HWND hwnd, const std::function<void()>& pump);

}  // namespace input
