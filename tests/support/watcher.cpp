#include "support/watcher.h"

namespace {

struct Search {
  const std::string* cls;
  const std::string* title;
  bool anyTitle;
  HWND found;
};

BOOL CALLBACK Match(HWND hwnd, LPARAM lp) {
  auto* s = reinterpret_cast<Search*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid != GetCurrentProcessId() || !IsWindowVisible(hwnd)) return TRUE;
  char cls[64] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  // InternalGetWindowText sends no message: the test's thread may be busy joining us.
  wchar_t wide[256] = {};
  InternalGetWindowText(hwnd, wide, 256);
  char title[512] = {};
  WideCharToMultiByte(CP_ACP, 0, wide, -1, title, sizeof title, nullptr, nullptr);
  if (*s->cls == cls && (s->anyTitle || *s->title == title)) {
    s->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK Collect(HWND child, LPARAM lp) {
  auto* seen = reinterpret_cast<MessageBoxSeen*>(lp);
  char cls[32] = {};
  GetClassNameA(child, cls, sizeof cls);
  wchar_t text[512] = {};
  GetWindowTextW(child, text, 512);
  if (lstrcmpiA(cls, "Button") == 0) {
    if (!seen->buttons.empty()) seen->buttons += L"|";
    seen->buttons += text;
  } else if (lstrcmpiA(cls, "Static") == 0) {
    if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
      const HICON icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
      seen->errorIcon |= icon && icon == LoadIconA(nullptr, IDI_ERROR);
      seen->questionIcon |= icon && icon == LoadIconA(nullptr, IDI_QUESTION);
    } else if (text[0]) {
      seen->text = text;
    }
  }
  return TRUE;
}

}  // namespace

WindowWatcher::WindowWatcher(const char* className, const char* title, std::function<void(HWND)> act)
    : class_(className), title_(title ? title : ""), anyTitle_(title == nullptr), act_(std::move(act)) {
  thread_ = std::thread([this] {
    while (!stop_) {
      Search s{&class_, &title_, anyTitle_, nullptr};
      EnumWindows(&Match, reinterpret_cast<LPARAM>(&s));
      if (s.found) {
        ++seen_;
        act_(s.found);
        // Wait for it to go before looking for the next one.
        for (int i = 0; i < 500 && !stop_ && IsWindow(s.found) && IsWindowVisible(s.found); ++i) Sleep(10);
      }
      Sleep(20);
    }
  });
}

WindowWatcher::~WindowWatcher() {
  stop_ = true;
  thread_.join();
}

void ReadAndAnswer(HWND box, int button, MessageBoxSeen& seen) {
  seen = MessageBoxSeen{};
  EnumChildWindows(box, &Collect, reinterpret_cast<LPARAM>(&seen));
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
}
