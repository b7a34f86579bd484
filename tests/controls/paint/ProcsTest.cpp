#include <gtest/gtest.h>

#include <LMDGraph.h>
#include <LMDProcs.h>

#include "PaintTestSupport.h"

using enum TLMDGlyphTextFocusStyle;
using enum TLMDPathPrefix;

namespace {

TEST(LMDCalcRotRect, BoundingBoxOfTheRotatedRectangleAtTheOrigin) {
  RECT r{0, 0, 40, 20};
  LMDCalcRotRect(r, 90);
  EXPECT_EQ(RectText(r), "(0, 0, 20, 40)");

  // 45 degrees: hx 20, hy 10, each term 14.14 or 7.07 → p = 7, q = 21, u = 7, v = 21.
  r = RECT{10, 10, 50, 30};
  LMDCalcRotRect(r, 45);
  EXPECT_EQ(RectText(r), "(0, 0, 42, 42)");

  // Odd sizes lose their half pixel before rotating; a turn of 180 keeps the even size.
  r = RECT{5, 5, 46, 26};
  LMDCalcRotRect(r, 180);
  EXPECT_EQ(RectText(r), "(0, 0, 40, 20)");

  r = RECT{5, 7, 45, 27};
  LMDCalcRotRect(r, 0);
  EXPECT_EQ(RectText(r), "(5, 7, 45, 27)") << "angle 0 leaves the rectangle where it is";
}

TEST(LMDAffineRect, ScalesToFitKeepingTheAspectAndTruncates) {
  EXPECT_EQ(RectText(LMDAffineRect(RECT{0, 0, 200, 100}, RECT{10, 10, 110, 110})), "(10, 10, 110, 60)");
  // 3 × 7 into 10 × 10: scale 10/7, widths 4.28 → 4 and 10.
  EXPECT_EQ(RectText(LMDAffineRect(RECT{0, 0, 3, 7}, RECT{0, 0, 10, 10})), "(0, 0, 4, 10)");
  // A source without area cannot be scaled: an empty rectangle at the target's corner.
  EXPECT_EQ(RectText(LMDAffineRect(RECT{5, 5, 5, 50}, RECT{10, 20, 110, 120})), "(10, 20, 10, 20)");
}

TEST(LMDProcsRectangles, EdgesAndContainment) {
  EXPECT_EQ(RectText(LMDExpandRect(RECT{10, 10, 20, 20}, 3)), "(7, 7, 23, 23)");
  RECT r{0, 0, 10, 10};
  LMDAdjustRect(r, 2, -3);
  EXPECT_EQ(RectText(r), "(0, 0, 12, 7)");
  LMDAdjustRectExt(r, 1, 2, 3, 4);
  EXPECT_EQ(RectText(r), "(1, 2, 15, 11)");
  int32_t w = 0;
  int32_t h = 0;
  LMDGetRectWH(r, w, h);
  EXPECT_EQ(w, 14);
  EXPECT_EQ(h, 9);

  const RECT outer{0, 0, 10, 10};
  EXPECT_FALSE(LMDRectinRect(outer, outer)) << "the bottom-right corner is outside by the exclusive rule";
  EXPECT_TRUE(LMDRectinRect(RECT{1, 1, 9, 9}, outer));
  EXPECT_FALSE(LMDRectinRect(RECT{1, 1, 10, 9}, outer));
}

TEST(LMDProcsNumbers, ListsMidpointsAndPowers) {
  EXPECT_EQ(LMDMax({3, -7, 12, 5}), 12);
  EXPECT_EQ(LMDMin({3, -7, 12, 5}), -7);
  EXPECT_EQ(LMDMaxR({1.5L, -2.25L}), 1.5L);
  EXPECT_EQ(LMDMinR({1.5L, -2.25L}), -2.25L);
  EXPECT_THROW(LMDMax({}), ERangeError);
  EXPECT_THROW(LMDMinR({}), ERangeError);

  EXPECT_EQ(LMDMidI(3, 6), 4);
  EXPECT_EQ(LMDMidI(-3, -6), -4) << "truncated toward zero";
  EXPECT_EQ(LMDMidI(INT32_MAX, INT32_MAX), INT32_MAX) << "no overflow in the sum";

  EXPECT_EQ(LMDExp(3, 4), 81);
  EXPECT_EQ(LMDExp(-2, 3), -8);
  EXPECT_EQ(LMDExp(5, 0), 1);
  EXPECT_EQ(LMDExp(5, -2), 1);
  EXPECT_EQ(LMDExp(2, 32), 0) << "32-bit multiplication wraps";
  EXPECT_EQ(LMDExp(3, 21), 1870418611) << "10460353203 wrapped to 32 bits";
}

TEST(LMDProcsBits, SetClearAndRange) {
  uint8_t value = 0;
  LMDSetBit(value, 3, true);
  LMDSetBit(value, 3, true);
  EXPECT_EQ(value, 0x08) << "setting twice keeps the bit set";
  LMDSetBit(value, 3, false);
  LMDSetBit(value, 3, false);
  EXPECT_EQ(value, 0x00) << "clearing twice keeps the bit clear";
  LMDSetBitUpTo(value, 2);
  EXPECT_EQ(value, 0x07);
  EXPECT_TRUE(LMDGetBit(value, 2));
  EXPECT_FALSE(LMDGetBit(value, 3));
  LMDSetBitUpTo(value, 40);
  EXPECT_EQ(value, 0xFF) << "bit numbers beyond the byte select nothing";
  EXPECT_FALSE(LMDGetBit(value, 8));
}

TEST(LMDProcsPoints, MidpointOffsetAndNull) {
  std::vector<POINT> points{{0, 0}, {3, 5}, {-10, 1}};
  POINT mid{99, 99};
  LMDMidpoint(points, 0, mid);
  EXPECT_EQ(mid.x, 99) << "count 0 leaves the point unchanged";
  LMDMidpoint(points, 3, mid);
  EXPECT_EQ(mid.x, -2) << "-7 / 3 truncated toward zero";
  EXPECT_EQ(mid.y, 2);
  LMDMidpoint(points, 2, mid);
  EXPECT_EQ(mid.x, 1);
  EXPECT_THROW(LMDMidpoint(points, 4, mid), ERangeError);

  LMDOffsetPoints(points, 1, -1);
  EXPECT_EQ(points[2].x, -9);
  EXPECT_EQ(points[2].y, 0);
  LMDNullPoints(points);
  for (const POINT& p : points) EXPECT_TRUE(p.x == 0 && p.y == 0);
}

TEST(LMDProcsPaths, PrefixesAndNames) {
  EXPECT_EQ(LMDCreatePathPrefix(ppFixed, true), "");
  EXPECT_EQ(LMDCreatePathPrefix(ppFixed, false), "");

  const AnsiString program = LMDAppPath();
  ASSERT_FALSE(program.empty());
  EXPECT_EQ(program.back(), '\\');
  EXPECT_EQ(LMDCreatePathPrefix(ppProgram, true), program);
  EXPECT_EQ(LMDCreatePathPrefix(ppProgram, false), program.substr(0, program.size() - 1));

  const AnsiString windows = LMDWindowsDirectory();
  ASSERT_FALSE(windows.empty());
  EXPECT_NE(windows.back(), '\\');
  EXPECT_EQ(LMDCreatePathPrefix(ppWindows, true), windows + "\\");
  EXPECT_EQ(LMDCreatePathPrefix(ppSystem, false), LMDSystemDirectory());

  EXPECT_EQ(LMDExtractFileName("C:\\TAWO\\tawo.exe"), "tawo");
  EXPECT_EQ(LMDExtractFileName("archive.tar.gz"), "archive.tar");
  EXPECT_EQ(LMDAppIniName(), "SOFTWARE\\test_controls_paint");
}

TEST(LMDGraph, FocusStyleFlagsAndSubranges) {
  EXPECT_EQ(LMDConvertFocusStyle(fcControl), 0);
  EXPECT_EQ(LMDConvertFocusStyle(fcText), 64);
  EXPECT_EQ(LMDConvertFocusStyle(fcGlyph), 128);
  EXPECT_EQ(LMDConvertFocusStyle(fcGlyphText), 256);
  EXPECT_EQ(LMDConvertFocusStyle(fcNone), 0);
  EXPECT_EQ(LMDCheckRange(236, kLMDColorCountRange), 236);
  EXPECT_THROW(LMDCheckRange(1, kLMDColorCountRange), ERangeError);
  EXPECT_THROW(LMDCheckRange(51, kLMDBevelWidthRange), ERangeError);
}

}  // namespace
