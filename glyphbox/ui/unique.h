#pragma once
// A move-only owner for one platform handle. Traits give the handle type, its "empty"
// value and how to close it; the template knows nothing of Windows so that it can be
// tested with a counting closer.
#include <utility>

namespace ui {

template <class Traits>
class Unique {
 public:
  using Handle = typename Traits::Handle;

  Unique() noexcept : h_(Traits::Empty()) {}
  explicit Unique(Handle h) noexcept : h_(h) {}
  Unique(Unique&& other) noexcept : h_(other.Release()) {}
  Unique& operator=(Unique&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;
  ~Unique() { Reset(); }

  Handle Get() const noexcept { return h_; }
  explicit operator bool() const noexcept { return h_ != Traits::Empty(); }

  Handle Release() noexcept { return std::exchange(h_, Traits::Empty()); }

  void Reset(Handle h = Traits::Empty()) noexcept {
    Handle old = std::exchange(h_, h);
    if (old != Traits::Empty() && old != h) Traits::Close(old);
  }

 private:
  Handle h_;
};

}  // namespace ui
