#pragma once
// Real keyboard input through the system's input queue, and waiting on conditions.
#include <windows.h>

#include <functional>

namespace input {

// Presses and releases a key, with Shift, Alt and/or Ctrl held around it.
void PressKey(WORD vk, bool shift = false, bool alt = false, bool ctrl = false);

// Calls pump and checks cond until cond holds or the time is up; returns cond's last value.
bool WaitUntil(const std::function<bool()>& cond, const std::function<void()>& pump, int timeoutMs = 5000);

// Moves the mouse pointer to a point of the screen and waits until it is there.
void MoveMouse(POINT screen, const std::function<void()>& pump);
// Presses or releases mouse buttons (MOUSEEVENTF_... flags) at the point the last MoveMouse
// went to. Each event carries that point itself: under Wine a late pointer event of the X
// server can still put the pointer back where it was, and a bare press would then land there.
void MouseButtons(DWORD flags);
// The same event, for sending several in one SendInput (a double click).
INPUT ButtonInput(DWORD flags);

// Brings a top-level window to the front so that it receives the keyboard.
bool MakeForeground(HWND hwnd, const std::function<void()>& pump);

}  // namespace input
