#include "about/animation.h"

#include <gtest/gtest.h>

using namespace about;

TEST(AboutAnimation, FourElementsInTurnIn4_4_6_6Ticks) {
  Animation a;
  int ticks[4] = {};
  int total = 0;
  while (a.timerOn && total < 100) {
    const int step = a.step;
    Tick(a);
    ++ticks[step];
    ++total;
  }
  EXPECT_EQ(ticks[0], 4);
  EXPECT_EQ(ticks[1], 4);
  EXPECT_EQ(ticks[2], 6);
  EXPECT_EQ(ticks[3], 6);
  EXPECT_EQ(total, 20);
  EXPECT_DOUBLE_EQ(a.label2Left, 2100);
  EXPECT_DOUBLE_EQ(a.label3Left, 3105);
  EXPECT_DOUBLE_EQ(a.label4Left, 1005);
  EXPECT_DOUBLE_EQ(a.picture1Top, 120);
  EXPECT_EQ(a.step, 3);
}

TEST(AboutAnimation, OnlyTheCurrentElementMovesAndTheLastTickIsClamped) {
  Animation a;
  Tick(a);
  EXPECT_DOUBLE_EQ(a.label2Left, -150);
  EXPECT_DOUBLE_EQ(a.label3Left, 6000);
  EXPECT_DOUBLE_EQ(a.picture1Top, -840);
  for (int i = 0; i < 3; ++i) Tick(a);
  EXPECT_DOUBLE_EQ(a.label2Left, 2100) << "2280 overshoots and is clamped";
  EXPECT_EQ(a.step, 1);
  Animation late;
  late.step = 3;
  late.picture1Top = 60;
  Tick(late);
  EXPECT_DOUBLE_EQ(late.picture1Top, 120);
  EXPECT_FALSE(late.timerOn);
  Tick(late);
  EXPECT_DOUBLE_EQ(late.picture1Top, 120) << "a stray tick after the end moves nothing";
}

TEST(AboutAnimation, VersionText) {
  EXPECT_EQ(VersionText(1, 73, 0), L"Version.1.73");
  EXPECT_EQ(VersionText(1, 73, 2), L"Version.1.73.2");
  EXPECT_EQ(VersionText(2, 5, 0), L"Version.2.5");
  EXPECT_EQ(VersionText(10, 0, 11), L"Version.10.0.11");
}
