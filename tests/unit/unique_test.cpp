#include "ui/unique.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> closed;

struct CountingTraits {
  using Handle = int;
  static Handle Empty() { return 0; }
  static void Close(Handle h) { closed.push_back(h); }
};
using U = ui::Unique<CountingTraits>;

class UniqueHandle : public testing::Test {
 protected:
  void SetUp() override { closed.clear(); }
};

}  // namespace

TEST_F(UniqueHandle, ClosesOnceWhenItGoes) {
  { U a(7); }
  EXPECT_EQ(closed, std::vector<int>{7});
  { U empty; }
  EXPECT_EQ(closed, std::vector<int>{7});
}

TEST_F(UniqueHandle, MoveHandsOverWithoutClosing) {
  {
    U a(1);
    U b(std::move(a));
    EXPECT_FALSE(a);
    EXPECT_EQ(b.Get(), 1);
    EXPECT_TRUE(closed.empty());
    U c(2);
    c = std::move(b);  // closes 2, takes 1
    EXPECT_EQ(closed, std::vector<int>{2});
  }
  EXPECT_EQ(closed, (std::vector<int>{2, 1}));
}

TEST_F(UniqueHandle, SelfMoveKeepsTheHandle) {
  {
    U a(3);
    U& same = a;
    a = std::move(same);
    EXPECT_EQ(a.Get(), 3);
    EXPECT_TRUE(closed.empty());
  }
  EXPECT_EQ(closed, std::vector<int>{3});
}

TEST_F(UniqueHandle, ResetClosesTheOldOneAndReleaseClosesNothing) {
  U a(4);
  a.Reset(5);
  EXPECT_EQ(closed, std::vector<int>{4});
  a.Reset(5);  // the same handle again: still owned, not closed
  EXPECT_EQ(closed, std::vector<int>{4});
  EXPECT_EQ(a.Release(), 5);
  a.Reset();
  EXPECT_EQ(closed, std::vector<int>{4});
}
