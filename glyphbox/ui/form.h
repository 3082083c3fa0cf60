#pragma once
// A top-level window that owns its controls: its own events (load, resize, unload), the
// notifications of its children, keyboard navigation in the form's own tab order, access
// keys, and its tooltip window.
#include <memory>
#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/tooltip.h"

namespace ui {

class Label;

// A window timer; its ticks are the Timer event.
class Timer : public EventSource {
 public:
  ~Timer() { SetEnabled(false); }
  void Create(HWND owner, UINT intervalMs);
  void SetEnabled(bool enabled);
  bool Enabled() const { return enabled_; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD);

  HWND owner_ = nullptr;
  UINT interval_ = 0;
  bool enabled_ = false;
};

template <class F>
class Owned;

class Form : public Window, public EventSource {
 public:
  // Only an Owned form can be made (a derived form takes this key: `using Form::Form;`), so
  // that every form is destroyed through its owner.
  class Key {
    Key() = default;
    template <class F>
    friend class Owned;
  };
  explicit Form(Key) {}

  // Client size in twips; the window is created hidden.
  void CreateForm(std::wstring_view caption, double clientWidth, double clientHeight, DWORD style,
                  DWORD exStyle = 0, HWND owner = nullptr);
  void SetIcon(HICON icon);
  void CenterOn(HWND other);  // the screen when other is null
  void Show();
  // Shows the form and handles messages until it is destroyed; meanwhile the thread's
  // other windows take no input.
  void ShowModal();
  // Destroys the window, running the unload handlers.
  void Destroy();
  // The program's main window: the message loop ends when it goes.
  void SetQuitOnDestroy(bool quit) { quitOnDestroy_ = quit; }

  // The keyboard order: controls and windowless labels, first to last. Labels never take
  // the focus; their access key moves it to the next control in this order.
  struct TabStop {
    Control* control = nullptr;
    Label* label = nullptr;
  };
  void SetTabOrder(std::vector<TabStop> order) { tabOrder_ = std::move(order); }

  Tooltip& Tips() { return tips_; }

  // Handles Tab and access keys for whichever form the message belongs to; true when it did.
  static bool PreTranslate(const MSG& msg);
  // A message of the thread's queue, as every loop of the program handles it. Every loop
  // takes its messages as Unicode (GetMessageW, PeekMessageW): a character typed into a
  // Unicode box reaches it whole; the platform turns it into the code page for the others.
  static void Dispatch(const MSG& msg);
  // The program's message loop, until WM_QUIT; returns its exit code.
  static int RunMessageLoop();
  // The form behind a top-level window, or null when the window is not one of ours.
  static Form* FromHandle(HWND hwnd);

 protected:
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  bool TabFromFocus(bool backwards);
  bool AccessKey(wchar_t key);
  bool CanFocus(const TabStop& stop) const;
  // The first stop after `from` (step 1) or before it (step -1) that can take the focus.
  int NextStop(int from, int step) const;
  bool FocusStop(int index);
  void Unload();

  std::vector<TabStop> tabOrder_;
  Tooltip tips_;
  bool quitOnDestroy_ = false;
  bool unloaded_ = false;
};

// The one owner of a form, as unique as a unique_ptr. Destroying the form destroys its window
// first, while everything of the derived form still exists for the unload handlers.
template <class F>
class Owned {
 public:
  static Owned Make() {
    Owned owned;
    owned.form_.reset(new F(Form::Key{}));
    return owned;
  }
  Owned() = default;
  Owned(Owned&&) noexcept = default;
  Owned& operator=(Owned&& other) noexcept {
    reset();
    form_ = std::move(other.form_);
    return *this;
  }
  ~Owned() { reset(); }

  F* get() const { return form_.get(); }
  F* operator->() const { return form_.get(); }
  F& operator*() const { return *form_; }
  void reset() {
    if (form_) form_->Destroy();
    form_.reset();
  }

 private:
  std::unique_ptr<F> form_;
};

}  // namespace ui
