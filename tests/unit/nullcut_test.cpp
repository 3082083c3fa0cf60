#include "catalogue/nullcut.h"

#include <gtest/gtest.h>

#include <string>

using Cmmdl_NullCut::NullCut;

TEST(NullCut, KeepsWhatStandsBeforeTheFirstNul) {
  struct Row {
    std::wstring in, out;
  };
  const Row rows[] = {
      {L"", L""},
      {L"Arial", L"Arial"},
      {std::wstring(L"Arial\0\0\0", 8), L"Arial"},
      {std::wstring(L"MS\0Gothic\0", 10), L"MS"},
      {std::wstring(L"\0Arial", 6), L""},
      {std::wstring(L"IPA\u30B4\u30B7\u30C3\u30AF\0\u30B4", 9), L"IPA\u30B4\u30B7\u30C3\u30AF"},
  };
  for (const Row& r : rows) EXPECT_EQ(NullCut(r.in), r.out) << testing::PrintToString(r.in);
}
