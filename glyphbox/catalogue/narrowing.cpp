#include "catalogue/narrowing.h"

#include "fonts/charmaps.h"
#include "ui/handles.h"

namespace catalogue {

namespace {

std::wstring Horizontal(const std::wstring& face) { return face.starts_with(L'@') ? face.substr(1) : face; }

size_t HashOf(const fonts::CharMap& map) {
  size_t h = 14695981039346656037ull;
  for (const fonts::CharRange& r : map.Ranges()) h = (h ^ (r.first * 31 + r.last)) * 1099511628211ull;
  return h;
}

}  // namespace

const fonts::CharMap* Narrowing::MapOf(const std::wstring& face, HDC dc) {
  const std::wstring key = Horizontal(face);
  if (const auto it = maps_.find(key); it != maps_.end()) return it->second.get();
  std::shared_ptr<const fonts::CharMap> kept;
  if (auto map = fonts::CharMapOfFace(key, dc)) {
    // The styles and sizes of a family, and many a family, share one map.
    const size_t hash = HashOf(*map);
    for (auto [it, end] = distinct_.equal_range(hash); it != end && !kept; ++it)
      if (*it->second == *map) kept = it->second;
    if (!kept) kept = distinct_.emplace(hash, std::make_shared<const fonts::CharMap>(std::move(*map)))->second;
  }
  return maps_.emplace(key, std::move(kept)).first->second.get();
}

std::function<bool(const std::wstring&)> Narrowing::HoldingAll(std::vector<char32_t> chars) {
  // Each distinct map is checked once for the whole list, and every face is read through one
  // device context.
  auto verdicts = std::make_shared<std::unordered_map<const fonts::CharMap*, bool>>();
  auto dc = std::make_shared<ui::UniqueMemoryDc>(::CreateCompatibleDC(nullptr));
  return [this, chars = std::move(chars), verdicts, dc](const std::wstring& face) {
    if (chars.empty()) return true;
    const fonts::CharMap* map = MapOf(face, dc->Get());
    if (!map) return false;
    const auto [it, added] = verdicts->emplace(map, false);
    if (added) it->second = map->HoldsAll(chars);
    return it->second;
  };
}

bool Narrowing::Knows(const std::wstring& face) const { return maps_.count(Horizontal(face)) > 0; }

void Narrowing::Forget() {
  maps_.clear();
  distinct_.clear();
}

size_t Narrowing::Bytes() const {
  size_t bytes = 0;
  for (const auto& [hash, map] : distinct_) bytes += map->Bytes() + sizeof hash + sizeof map;
  // A node of the table: the key and its text, the shared pointer, the table's own links.
  for (const auto& [face, map] : maps_) bytes += sizeof face + face.capacity() * sizeof(wchar_t) + sizeof map + 32;
  return bytes;
}

}  // namespace catalogue
