#include <gtest/gtest.h>
#include <windows.h>

namespace {

RECT R(int l, int t, int r, int b) { return RECT{l, t, r, b}; }

::testing::AssertionResult Is(const RECT& got, int l, int t, int r, int b) {
  if (got.left == l && got.top == t && got.right == r && got.bottom == b) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << "(" << got.left << "," << got.top << "," << got.right << ","
                                       << got.bottom << ")";
}

TEST(Rectangles, EmptinessAndPointsUseExclusiveEdges) {
  RECT inverted = R(10, 0, 5, 10);
  EXPECT_TRUE(IsRectEmpty(&inverted));
  EXPECT_TRUE(IsRectEmpty(nullptr));
  RECT r = R(0, 0, 10, 10);
  EXPECT_TRUE(PtInRect(&r, POINT{0, 0}));
  EXPECT_TRUE(PtInRect(&r, POINT{9, 9}));
  EXPECT_FALSE(PtInRect(&r, POINT{10, 5}));
  EXPECT_FALSE(PtInRect(&r, POINT{5, 10}));
  EXPECT_FALSE(SetRect(nullptr, 1, 2, 3, 4));
}

TEST(Rectangles, InflateMayInvertWithoutClamping) {
  RECT r = R(0, 0, 4, 4);
  InflateRect(&r, -3, -1);
  EXPECT_TRUE(Is(r, 3, 1, 1, 3));
  EXPECT_TRUE(IsRectEmpty(&r));
}

TEST(Rectangles, IntersectionOfTouchingOrEmptyRectsIsZeroed) {
  RECT a = R(0, 0, 10, 10), touching = R(10, 0, 20, 10), d = R(1, 1, 1, 1);
  EXPECT_FALSE(IntersectRect(&d, &a, &touching));
  EXPECT_TRUE(Is(d, 0, 0, 0, 0));
  RECT b = R(5, -5, 15, 5);
  EXPECT_TRUE(IntersectRect(&d, &a, &b));
  EXPECT_TRUE(Is(d, 5, 0, 10, 5));
}

TEST(Rectangles, UnionIgnoresEmptyInputs) {
  RECT a = R(0, 0, 10, 10), empty = R(50, 50, 40, 60), d;
  EXPECT_TRUE(UnionRect(&d, &empty, &a));
  EXPECT_TRUE(Is(d, 0, 0, 10, 10));
  EXPECT_FALSE(UnionRect(&d, &empty, &empty));
  EXPECT_TRUE(Is(d, 0, 0, 0, 0));
  RECT b = R(-5, 20, 0, 30);
  EXPECT_TRUE(UnionRect(&d, &a, &b));
  EXPECT_TRUE(Is(d, -5, 0, 10, 30));
}

TEST(Rectangles, SubtractRemovesOnlyFullBandsTouchingASide) {
  RECT a = R(0, 0, 10, 10), d;
  RECT leftBand = R(-5, -5, 3, 15);
  EXPECT_TRUE(SubtractRect(&d, &a, &leftBand));
  EXPECT_TRUE(Is(d, 3, 0, 10, 10));
  RECT bottomBand = R(0, 7, 10, 12);
  EXPECT_TRUE(SubtractRect(&d, &a, &bottomBand));
  EXPECT_TRUE(Is(d, 0, 0, 10, 7));
  RECT middleColumn = R(4, 0, 6, 10);  // full height but touches no side
  EXPECT_TRUE(SubtractRect(&d, &a, &middleColumn));
  EXPECT_TRUE(Is(d, 0, 0, 10, 10));
  RECT corner = R(5, 5, 20, 20);
  EXPECT_TRUE(SubtractRect(&d, &a, &corner));
  EXPECT_TRUE(Is(d, 0, 0, 10, 10));
  RECT cover = R(-1, -1, 11, 11);
  EXPECT_FALSE(SubtractRect(&d, &a, &cover));
  EXPECT_TRUE(Is(d, 0, 0, 0, 0));
  RECT empty = R(0, 0, 0, 0);
  EXPECT_FALSE(SubtractRect(&d, &empty, &a));
}

TEST(MulDivTest, RoundsHalfAwayFromZeroAndRejectsOverflow) {
  EXPECT_EQ(MulDiv(5, 1, 2), 3);
  EXPECT_EQ(MulDiv(-5, 1, 2), -3);
  EXPECT_EQ(MulDiv(8, 96, 72), 11);
  EXPECT_EQ(MulDiv(1, 1, 0), -1);
  EXPECT_EQ(MulDiv(0x40000000, 8, 1), -1);
  EXPECT_EQ(MulDiv(0x40000000, 8, 16), 0x20000000);
}

}  // namespace
