#pragma once
// Real keyboard input through the system's input queue, and waiting on conditions.
#include <windows.h>

#include <functional>

namespace input {

// Presses and releases a key, with Shift, Alt and/or Ctrl held around it.
void PressKey(WORD vk, bool shift = false, bool alt = false, bool ctrl = false);

// Calls pump and checks cond until cond holds or the time is up; returns cond's last value.
bool WaitUntil(const std::function<bool()>& cond, const std::function<void()>& pump, int timeoutMs = 5000);

// Brings a top-level window to the front so that it receives the keyboard.
bool MakeForeground(HWND hwnd, const std::function<void()>& pump);

}  // namespace input
