#pragma once
// A top-level window that owns its controls: the create-params thunk, notification routing,
// keyboard navigation in the form's own tab order, access keys, and its tooltip window.
#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/tooltip.h"

namespace ui {

class Label;

// A window timer of a form; its ticks are the Timer event.
class Timer : public EventSource {
 public:
  void Create(HWND owner, UINT id, UINT intervalMs);
  void SetEnabled(bool enabled);
  bool Enabled() const { return enabled_; }
  UINT Id() const { return id_; }

 private:
  HWND owner_ = nullptr;
  UINT id_ = 0, interval_ = 0;
  bool enabled_ = false;
};

class Form {
 public:
  Form() = default;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form();

  HWND Handle() const { return hwnd_; }

  // Client size in twips; the window is created hidden.
  void CreateForm(std::wstring_view caption, double clientWidth, double clientHeight, DWORD style,
                  DWORD exStyle = 0, HWND owner = nullptr);
  void SetIcon(HICON icon);
  void CenterOn(HWND other);  // the screen when other is null
  void Show();
  // Shows the form and handles messages until it is destroyed; meanwhile the thread's
  // other windows take no input.
  void ShowModal();
  // Destroys the window while the derived form's controls still exist.
  void Destroy();
  void AddTimer(Timer& timer) { timers_.push_back(&timer); }

  double ScaleWidth() const;
  double ScaleHeight() const;

  // The keyboard order: controls and windowless labels, first to last. Labels never take
  // the focus; their access key moves it to the next control in this order.
  struct TabStop {
    Control* control = nullptr;
    Label* label = nullptr;
  };
  void SetTabOrder(std::vector<TabStop> order) { tabOrder_ = std::move(order); }
  bool TabFromFocus(bool backwards);
  bool AccessKey(wchar_t key);

  Tooltip& Tips() { return tips_; }

  // Handles Tab and access keys for whichever form the message belongs to; call from every
  // message loop before TranslateMessage.
  static bool PreTranslate(const MSG& msg);
  // The program's message loop, until WM_QUIT; returns its exit code.
  static int RunMessageLoop();
  // Handles every message already queued for this thread, then returns.
  static void DoEvents();
  static Form* FromHandle(HWND hwnd);

 protected:
  // Everything not handled here goes to DefWindowProcA.
  virtual bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  // WM_CLOSE: the form is being unloaded; the default destroys the window.
  virtual void OnClose();

 private:
  static LRESULT CALLBACK FormProc(HWND, UINT, WPARAM, LPARAM);
  static void Register();
  int FocusedStop() const;
  bool CanFocus(const TabStop& stop) const;
  void FocusStop(const TabStop& stop);

  HWND hwnd_ = nullptr;
  std::vector<TabStop> tabOrder_;
  std::vector<Timer*> timers_;
  Tooltip tips_;
};

}  // namespace ui
