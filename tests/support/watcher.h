#pragma once
// Watches, from a thread of its own, for a top-level window of this process (a message box,
// a pop-up menu) and acts on it: the code under test is meanwhile inside the window's modal
// loop on the test's own thread. The search itself sends no window message, so the test's
// thread may wait for the watcher without pumping.
#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

class WindowWatcher {
 public:
  // className: "#32770" for message boxes, "#32768" for pop-up menus; title may be null.
  WindowWatcher(const char* className, const char* title, std::function<void(HWND)> act);
  ~WindowWatcher();
  WindowWatcher(const WindowWatcher&) = delete;
  WindowWatcher& operator=(const WindowWatcher&) = delete;

  int Seen() const { return seen_; }

 private:
  std::string class_, title_;
  bool anyTitle_;
  std::function<void(HWND)> act_;
  std::atomic<bool> stop_{false};
  std::atomic<int> seen_{0};
  std::thread thread_;
};

// What a message box showed.
struct MessageBoxSeen {
  std::wstring text;
  bool errorIcon = false, questionIcon = false;
  std::wstring buttons;  // the buttons' captions, joined by "|"
};

// Reads a message box and presses the button with the given id (IDOK, IDYES, IDNO...).
void ReadAndAnswer(HWND box, int button, MessageBoxSeen& seen);

// A top-level window of this thread: other programs learn of font changes only from the
// broadcasts that reach windows like it.
class FontChangeListener {
 public:
  FontChangeListener();
  ~FontChangeListener() { DestroyWindow(hwnd_); }
  FontChangeListener(const FontChangeListener&) = delete;
  FontChangeListener& operator=(const FontChangeListener&) = delete;

  int Heard() const { return heard_; }

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  HWND hwnd_ = nullptr;
  int heard_ = 0;
};
