#include "ui/twips.h"

#include <gtest/gtest.h>

using namespace ui;

TEST(Twips, RoundingTakesHalvesToTheEvenNeighbour) {
  struct Row {
    double in;
    long out;
  };
  for (const Row& r : {Row{0.5, 0}, Row{1.5, 2}, Row{2.5, 2}, Row{3.5, 4}, Row{-0.5, 0}, Row{-1.5, -2},
                       Row{2.4999, 2}, Row{2.5001, 3}, Row{6375.0, 6375}})
    EXPECT_EQ(RoundHalfEven(r.in), r.out) << r.in;
}

TEST(Twips, ConvertWithTheScreensLogicalDpi) {
  struct Row {
    double twips;
    int dpi, pixels;
  };
  for (const Row& r : {Row{15, 96, 1}, Row{-15, 96, -1}, Row{0, 96, 0}, Row{1455, 96, 97}, Row{22.5, 96, 2},
                       Row{7.5, 96, 0}, Row{8175, 96, 545}, Row{1440, 120, 120}, Row{15, 144, 2},
                       Row{5775, 192, 770}})
    EXPECT_EQ(TwipsToPixels(r.twips, r.dpi), r.pixels) << r.twips << " twips at " << r.dpi << " dpi";
  EXPECT_DOUBLE_EQ(PixelsToTwips(1, 96), 15);
  EXPECT_DOUBLE_EQ(PixelsToTwips(97, 96), 1455);
  EXPECT_DOUBLE_EQ(PixelsToTwips(1, 120), 12);
}
