#include "flatbutton/flatlines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace flatbutton;

namespace {

// Paints the lines the way the platform's line primitive does at 15 twips a pixel:
// horizontal or vertical, end point left out, later lines over earlier ones.
// ' ' background, 'S' shadow, 'L' light.
std::vector<std::string> Raster(const std::vector<FlatLine>& lines, int wPx, int hPx) {
  std::vector<std::string> px(hPx, std::string(wPx, ' '));
  for (const FlatLine& l : lines) {
    int x = static_cast<int>(l.x1.value / 15), y = static_cast<int>(l.y1.value / 15);
    const int x2 = static_cast<int>(l.x2.value / 15), y2 = static_cast<int>(l.y2.value / 15);
    const int dx = (x2 > x) - (x2 < x), dy = (y2 > y) - (y2 < y);
    for (; x != x2 || y != y2; x += dx, y += dy)
      if (x >= 0 && x < wPx && y >= 0 && y < hPx) px[y][x] = l.ink == Ink::Shadow ? 'S' : 'L';
  }
  return px;
}

struct Corners {
  char topLeft, topRight, bottomLeft, bottomRight;
};

Corners CornersOf(const std::vector<FlatLine>& lines, int wPx, int hPx) {
  const auto px = Raster(lines, wPx, hPx);
  return {px[0][0], px[0][wPx - 1], px[hPx - 1][0], px[hPx - 1][wPx - 1]};
}

struct Size {
  int w, h;  // pixels
};
// The about button, the about window's OK button, and a tiny one.
const Size kSizes[] = {{97, 23}, {57, 25}, {4, 4}};

}  // namespace

TEST(FlatLooks, CornerPixelsShowWhichEdgesAreLit) {
  struct Row {
    const char* look;
    std::vector<FlatLine> (*lines)(DrawTwips, DrawTwips);
    Corners expected;
  };
  const Row rows[] = {
      {"normal (etched)", &NormalLines, {'S', 'L', 'L', 'L'}},
      {"pressed (sunken)", &DownLines, {'S', 'L', 'L', 'L'}},
      {"hover (raised)", &UpLines, {'L', 'S', 'S', 'S'}},
  };
  for (const Row& r : rows) {
    for (const Size s : kSizes) {
      const Corners c = CornersOf(r.lines({s.w * 15.0}, {s.h * 15.0}), s.w, s.h);
      const std::string at = std::string(r.look) + " at " + std::to_string(s.w) + "x" + std::to_string(s.h);
      EXPECT_EQ(c.topLeft, r.expected.topLeft) << at;
      EXPECT_EQ(c.topRight, r.expected.topRight) << at;
      EXPECT_EQ(c.bottomLeft, r.expected.bottomLeft) << at;
      EXPECT_EQ(c.bottomRight, r.expected.bottomRight) << at;
    }
  }
}

TEST(FlatLooks, NormalFrameIsTwoLinesDeep) {
  const auto px = Raster(NormalLines({97 * 15.0}, {23 * 15.0}), 97, 23);
  EXPECT_EQ(px[1][1], 'L');    // inner light line, top-left
  EXPECT_EQ(px[1][95], 'S');   // dark line one pixel inside the right edge
  EXPECT_EQ(px[21][1], 'S');   // dark line one pixel inside the bottom edge
  EXPECT_EQ(px[10][48], ' ');  // the face stays clear
}

TEST(FlatLooks, LinesFollowTheSurfaceSize) {
  const auto small = NormalLines({1455}, {345});
  const auto wide = NormalLines({3000}, {600});
  ASSERT_EQ(small.size(), 8u);
  ASSERT_EQ(wide.size(), 8u);
  EXPECT_DOUBLE_EQ(wide[5].x1.value, 3000 - 15);
  EXPECT_DOUBLE_EQ(wide[7].y1.value, 600 - 15);
  EXPECT_DOUBLE_EQ(small[4].x1.value, 1455 - 30);
}
