#include "mainwnd/layout.h"

#include <gtest/gtest.h>

using namespace mainwnd;

TEST(Layout, TheInitialSizeGivesTheInitialGeometry) {
  const Layout l = ComputeLayout(8175, 5775);
  EXPECT_EQ(l.frameTop, 4680);
  EXPECT_EQ(l.listHeight, 4200);
  EXPECT_EQ(l.barHeight, 4560);
  EXPECT_EQ(l.upperHeight, 4560);
  EXPECT_EQ(l.frameWidth, 8175);
  EXPECT_EQ(l.picture1Left, 6600);
  EXPECT_EQ(l.picture2Width, 6375);
  EXPECT_EQ(l.label2Left, 6660);
  EXPECT_EQ(l.text1Left, 7440);
  const SplitLayout s = ComputeSplit(2535, 45, 120, 8175);
  EXPECT_EQ(s.listWidth, 2415);
  EXPECT_EQ(s.comboWidth, 2415);
  EXPECT_EQ(s.previewWidth, 5415);
  EXPECT_EQ(s.previewLeft, 2595);
}

TEST(Layout, SmallWindowsGiveNegativeHeights) {
  const Layout l = ComputeLayout(7000, 600);
  EXPECT_LT(l.listHeight, 0);
  EXPECT_LT(l.barHeight, 0);
  EXPECT_LT(l.frameTop, 0);
}

TEST(Splitter, TheBarStopsShortOfBothEdges) {
  struct Row {
    double barLeft, x;
    long w, expected;
  };
  const Row rows[] = {
      {2535, -5000, 8175, 270},     // far left: the list keeps 150
      {2535, 10000, 8175, 7815},    // far right: 360 short of the edge
      {2535, 40, 8175, 2575},       // grabbed near its right edge: the left edge jumps under the pointer
      {2535, 0, 8175, 2535},
      {2535, 7.5, 8175, 2542},      // halves go to the even neighbour
      {2535, 8.5, 8175, 2544},
      {300, -31, 8175, 270},        // just past the left limit
      {7800, 16, 8175, 7815},       // just past the right limit
  };
  for (const Row& r : rows) EXPECT_EQ(DragBarLeft(r.barLeft, r.x, 120, r.w), r.expected) << r.barLeft << "+" << r.x;
}

TEST(Splitter, TheReleaseSharesTheWidthBetweenListAndPreview) {
  const SplitLayout s = ComputeSplit(270, 45, 120, 8175);
  EXPECT_EQ(s.listWidth, 150);
  EXPECT_EQ(s.previewLeft, 330);
  EXPECT_EQ(s.previewWidth, 8175 - 330 - 165);
  EXPECT_LT(ComputeSplit(6000, 45, 120, 4000).previewWidth, 0) << "a window narrower than the bar allows";
}

TEST(Layout, TheProgressBarKeepsItsStartWidthOnly) {
  EXPECT_EQ(ProgressWidthAfterResize(15, 6375), -1);
  EXPECT_EQ(ProgressWidthAfterResize(0, 6375), 6345);
  EXPECT_EQ(ProgressWidthAfterResize(6000, 8000), 7970);
  EXPECT_EQ(ProgressWidthAfterResize(15.0001, 6375), 6345);
}
