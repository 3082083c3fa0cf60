#pragma once
// The list filter's wildcard patterns: "?" any character, "*" any run, "#" a digit,
// "[list]" / "[!list]" with ranges, "[]" the empty string. A pattern with an unclosed
// bracket or a downward range is not well-formed and matches nothing.
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/casemap.h"

namespace catalogue {

class Pattern {
 public:
  Pattern(std::wstring_view pattern, CaseMap caseMap);

  bool WellFormed() const { return wellFormed_; }
  // Whole-name match, without regard to case. Time grows with name length times pattern
  // length at worst; never exponentially.
  bool Matches(std::wstring_view name) const;

 private:
  enum class Kind { Literal, Any, Digit, Set, Star };
  struct Token {
    explicit Token(Kind k, wchar_t c = 0) : kind(k), ch(c) {}
    Kind kind;
    wchar_t ch = 0;
    bool negate = false;
    std::vector<std::pair<wchar_t, wchar_t>> ranges;
  };
  bool TokenMatches(const Token& t, wchar_t c) const;
  bool InSet(const Token& t, wchar_t c) const;
  bool ParseBracket(std::wstring_view content, bool negate);

  CaseMap caseMap_;
  std::vector<Token> tokens_;
  bool wellFormed_ = true;
};

// The pattern for a search text typed by the user: the text itself when it already uses
// pattern syntax, otherwise the text wrapped in "*" so that it is found anywhere in a name.
std::wstring PatternForSearch(std::wstring_view text);

}  // namespace catalogue
