#include "walk.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace codechart;

TEST(CodechartWalk, CoversTheSingleBytesAndBothDoubleByteAreas) {
  const std::vector<int> codes = WalkCodes();
  EXPECT_EQ(codes.size(), 15304u);
  EXPECT_EQ(codes.front(), 1);
  EXPECT_EQ(codes.back(), 0xFC4B);
  EXPECT_TRUE(std::is_sorted(codes.begin(), codes.end()));
  struct Jump {
    int from, to;
  };
  for (const Jump j : {Jump{255, 0x8140}, Jump{0x9FFC, 0xE040}}) {
    const auto at = std::find(codes.begin(), codes.end(), j.from);
    ASSERT_NE(at, codes.end());
    EXPECT_EQ(*(at + 1), j.to) << std::hex << j.from;
  }
  for (int skipped : {0, 256, 0x813F, 0x9FFD, 0xE03F, 0xFC4C, 0xFFFF})
    EXPECT_EQ(std::count(codes.begin(), codes.end(), skipped), 0) << std::hex << skipped;
}

TEST(CodechartWalk, CodesBecomeTheirBytesHighByteFirst) {
  EXPECT_EQ(CodeBytes(0x41), (std::vector<unsigned char>{0x41}));
  EXPECT_EQ(CodeBytes(0xFF), (std::vector<unsigned char>{0xFF}));
  EXPECT_EQ(CodeBytes(0x8140), (std::vector<unsigned char>{0x81, 0x40}));
  EXPECT_EQ(CodeBytes(0xFC4B), (std::vector<unsigned char>{0xFC, 0x4B}));
}

TEST(CodechartWalk, DropsTheDefaultCharacterAndLoneNuls) {
  struct Row {
    int code;
    std::wstring conversion;
    bool kept;
  };
  const Row rows[] = {
      {0x8145, L"\u30FB", true},                     // the default character's own code
      {0x8146, L"\u30FB", false},                    // any other code that gives it has no character
      {0x41, L"A", true},
      {0x09, L"\t", true},                           // control characters are characters
      {0x8200, std::wstring(L"\u30FB\0", 2), false},  // a lead byte and the byte 0
      {0x10, std::wstring(L"\0", 1), false},
      {0x81, L"", true},                             // an empty conversion is written, empty
      {0x8140, L"\u3000", true},
      {0x82A0, L"\u30FB\u30FB", true},               // any other length is written
  };
  for (const Row& r : rows) EXPECT_EQ(Keep(r.code, r.conversion), r.kept) << std::hex << r.code;
  EXPECT_EQ(Character(std::wstring(L"\u30FB\0", 2)), L"\u30FB");
}
