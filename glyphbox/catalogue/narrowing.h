#pragma once
// The list narrowed to the faces whose own character maps hold every character of the
// preview's text. Each face's map is read from the platform once and kept until the fonts
// change; faces with the same map share one.
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "fonts/charmap.h"
#include "ui/win.h"

namespace catalogue {

class Narrowing {
 public:
  bool On() const { return on_; }
  void SetOn(bool on) { on_ = on; }

  // The test of one narrowing: whether a face holds every one of the characters (with none
  // to hold, every face does). A face's map is read the first time it is asked for; a face
  // whose map the platform does not give holds nothing.
  std::function<bool(const std::wstring& face)> HoldingAll(std::vector<char32_t> chars);
  // Whether the face's map has been read.
  bool Knows(const std::wstring& face) const;
  // Drops every map read: the fonts changed.
  void Forget();
  // What keeping the maps costs.
  size_t Bytes() const;

  // The names the last gather or search listed before narrowing, in the list's order.
  std::vector<std::wstring> matches;

 private:
  const fonts::CharMap* MapOf(const std::wstring& face, HDC dc);

  bool on_ = false;
  // By face name without a vertical-writing "@"; null when the platform gives no map.
  std::unordered_map<std::wstring, std::shared_ptr<const fonts::CharMap>> maps_;
  // One of each distinct map, by a hash of its ranges.
  std::unordered_multimap<size_t, std::shared_ptr<const fonts::CharMap>> distinct_;
};

}  // namespace catalogue
