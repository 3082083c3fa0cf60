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

// While it lives, a top-level window of this thread counts the font-change broadcasts that
// reach it: other programs learn of font changes only from them. `heard` runs on each, in
// the middle of what the broadcaster does.
class FontChangeListener {
 public:
  explicit FontChangeListener(std::function<void()> heard = {}) {
    then_ = std::move(heard);
    WNDCLASSA wc{};
    wc.lpfnWndProc = [](HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) -> LRESULT {
      if (msg == WM_FONTCHANGE) {
        ++heard_;
        if (then_) then_();
      }
      return DefWindowProcA(hwnd, msg, wp, lp);
    };
    wc.lpszClassName = "GbxFontChangeListener";
    RegisterClassA(&wc);  // fails harmlessly from the second listener on
    hwnd_ = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    heard_ = 0;
  }
  ~FontChangeListener() {
    DestroyWindow(hwnd_);
    then_ = nullptr;
  }
  int Heard() const { return heard_; }

 private:
  static inline int heard_ = 0;
  static inline std::function<void()> then_;
  HWND hwnd_;
};
