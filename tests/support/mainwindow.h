#pragma once
// Driving and reading the real main window in this process, for the GUI tests.
#include <functional>
#include <string>
#include <vector>

#include "mainwnd/form1.h"

// Handles every message already queued for this thread, as the program's own loop would.
void Pump();
// Pumps until cond holds or the time is up; returns cond's last value.
bool Settle(const std::function<bool()>& cond, int timeoutMs = 5000);

std::vector<std::wstring> Items(const ui::ListBox& list);
std::vector<std::wstring> History(const ui::ComboBox& combo);
int IndexOf(const ui::ListBox& list, const std::wstring& name);
// A name added as the list adds one by itself: in its sorted place.
void AddName(ui::ListBox& list, std::wstring_view name);
// The top index a list box really takes when asked for `top`: it never scrolls past the
// page that shows its last entry.
int ReachableTopIndex(const ui::ListBox& list, int top);

// The gather button clicked; the search box's text searched for (as Enter would).
void Gather(Form1& form);
std::vector<std::wstring> Search(Form1& form, const wchar_t* text);
// Selects the entry and runs the list's click handling, as a click on it would; false when
// the name is not listed.
bool Select(Form1& form, const std::wstring& name);

// The font the preview uses now, and what that font's face and height mean.
LOGFONTA PreviewFont(const Form1& form);
std::wstring FaceOf(const LOGFONTA& font);
// The character height, in pixels, a size in points gives on this screen (at least one).
LONG PixelsFor(double points);

// A pixel of a window's client area as the screen shows it after a full repaint.
COLORREF ScreenPixel(HWND hwnd, int x, int y);
// Whether any pixel of a part of a window's client area shows the colour, after a full
// repaint; or, `onScreen`, as the screen shows it now (Wine copies windows to the screen a
// moment after they are drawn).
bool ShowsColour(HWND hwnd, const RECT& part, COLORREF colour, bool onScreen = false);

// A flat button's look on the screen: its four corner pixels, then the second pixel of its
// second row and the second-last one, where the inner lines of the etched frame run.
struct ButtonLook {
  COLORREF topLeft, topRight, bottomLeft, bottomRight, innerLeft, innerRight;
  bool operator==(const ButtonLook&) const = default;
};
ButtonLook LookOf(HWND surface);
extern const ButtonLook kNormalLook, kUpLook, kDownLook;
