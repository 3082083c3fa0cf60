#include "catalogue/pattern.h"

namespace catalogue {

Pattern::Pattern(std::wstring_view p, CaseMap caseMap) : caseMap_(caseMap) {
  for (size_t i = 0; i < p.size(); ++i) {
    const wchar_t c = p[i];
    if (c == L'*') {
      if (tokens_.empty() || tokens_.back().kind != Kind::Star) tokens_.emplace_back(Kind::Star);
    } else if (c == L'?') {
      tokens_.emplace_back(Kind::Any);
    } else if (c == L'#') {
      tokens_.emplace_back(Kind::Digit);
    } else if (c == L'[') {
      size_t start = i + 1;
      const bool negate = start < p.size() && p[start] == L'!';
      if (negate) ++start;
      const size_t close = p.find(L']', start);
      if (close == std::wstring_view::npos || !ParseBracket(p.substr(start, close - start), negate)) {
        wellFormed_ = false;
        tokens_.clear();
        return;
      }
      i = close;
    } else {
      tokens_.emplace_back(Kind::Literal, c);
    }
  }
}

bool Pattern::ParseBracket(std::wstring_view content, bool negate) {
  if (content.empty()) {
    // "[]" matches the empty string: nothing to consume. "[!]" excludes nothing: any character.
    if (negate) tokens_.emplace_back(Kind::Any);
    return true;
  }
  Token t(Kind::Set);
  t.negate = negate;
  for (size_t k = 0; k < content.size();) {
    const wchar_t lo = content[k];
    if (k + 2 < content.size() && content[k + 1] == L'-') {
      const wchar_t hi = content[k + 2];
      if (hi < lo) return false;
      t.ranges.emplace_back(lo, hi);
      k += 3;
    } else {
      t.ranges.emplace_back(lo, lo);
      k += 1;
    }
  }
  tokens_.push_back(std::move(t));
  return true;
}

bool Pattern::InSet(const Token& t, wchar_t c) const {
  for (const auto& [lo, hi] : t.ranges)
    if (lo <= c && c <= hi) return true;
  return false;
}

bool Pattern::TokenMatches(const Token& t, wchar_t c) const {
  switch (t.kind) {
    case Kind::Literal:
      return c == t.ch || caseMap_.upper(c) == caseMap_.upper(t.ch) || caseMap_.lower(c) == caseMap_.lower(t.ch);
    case Kind::Any:
      return true;
    case Kind::Digit:
      return c >= L'0' && c <= L'9';
    case Kind::Set: {
      const bool in = InSet(t, c) || InSet(t, caseMap_.upper(c)) || InSet(t, caseMap_.lower(c));
      return in != t.negate;
    }
    case Kind::Star:
      break;
  }
  return false;
}

bool Pattern::Matches(std::wstring_view name) const {
  if (!wellFormed_) return false;
  // Every token but "*" consumes exactly one character, so remembering only the latest
  // star and retrying from one character further is enough (no exponential backtracking).
  size_t p = 0, n = 0;
  size_t starToken = std::wstring_view::npos, starName = 0;
  while (n < name.size()) {
    if (p < tokens_.size() && tokens_[p].kind == Kind::Star) {
      starToken = p++;
      starName = n;
    } else if (p < tokens_.size() && TokenMatches(tokens_[p], name[n])) {
      ++p;
      ++n;
    } else if (starToken != std::wstring_view::npos) {
      p = starToken + 1;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (p < tokens_.size() && tokens_[p].kind == Kind::Star) ++p;
  return p == tokens_.size();
}

std::wstring PatternForSearch(std::wstring_view text) {
  const bool wild = text.find_first_of(L"?*#") != std::wstring_view::npos;
  const size_t open = text.find(L'[');
  const bool bracket = open != std::wstring_view::npos && text.find(L']', open + 1) != std::wstring_view::npos;
  if (wild || bracket) return std::wstring(text);
  return L"*" + std::wstring(text) + L"*";
}

}  // namespace catalogue
