#include "ShapeTestSupport.h"

#include <memory>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// A canvas with a red 1-pixel pen and a blue brush selected.
struct ShapeCanvas : Canvas32 {
  ShapeCanvas(int width, int height, int penStyle = PS_SOLID, int penWidth = 1)
      : Canvas32(width, height), pen(dc(), CreatePen(penStyle, penWidth, kRed)), brush(dc(), CreateSolidBrush(kBlue)) {}
  std::string Picture() const { return Colours(*this, {{kRed, 'R'}, {kBlue, 'B'}}); }
  Selected pen;
  Selected brush;
};

TEST(Rectangle, OnePixelPenOutlinesTheBoxAndTheBrushFillsInside) {
  ShapeCanvas canvas(7, 6);
  EXPECT_TRUE(Rectangle(canvas.dc(), 1, 1, 6, 5));
  const std::string expected =
      ".......\n"
      ".RRRRR.\n"
      ".RBBBR.\n"
      ".RBBBR.\n"
      ".RRRRR.\n"
      ".......\n";
  EXPECT_EQ(canvas.Picture(), expected);
  canvas.Fill(kWhite);
  EXPECT_TRUE(Rectangle(canvas.dc(), 6, 5, 1, 1));  // swapped corners
  EXPECT_EQ(canvas.Picture(), expected);
  canvas.Fill(kWhite);
  EXPECT_TRUE(Rectangle(canvas.dc(), 1, 1, 1, 5));  // no width: nothing
  EXPECT_TRUE(Rectangle(canvas.dc(), 1, 3, 6, 3));
  EXPECT_EQ(CountPixels(canvas, kWhite), 42);
}

TEST(Rectangle, NullPenPaintsTheBrushOnePixelSmaller) {
  ShapeCanvas canvas(7, 6);
  SelectObject(canvas.dc(), GetStockObject(NULL_PEN));
  Rectangle(canvas.dc(), 1, 1, 6, 5);
  EXPECT_EQ(canvas.Picture(),
            ".......\n"
            ".BBBB..\n"
            ".BBBB..\n"
            ".BBBB..\n"
            ".......\n"
            ".......\n");
}

TEST(Rectangle, NullBrushLeavesTheInsideAndOneColumnRectsHaveNoInterior) {
  ShapeCanvas canvas(5, 4);
  SelectObject(canvas.dc(), GetStockObject(NULL_BRUSH));
  Rectangle(canvas.dc(), 0, 0, 5, 4);
  EXPECT_EQ(canvas.Picture(), "RRRRR\nR...R\nR...R\nRRRRR\n");
  canvas.Fill(kWhite);
  Rectangle(canvas.dc(), 2, 0, 3, 4);
  EXPECT_EQ(canvas.Picture(), "..R..\n..R..\n..R..\n..R..\n");
}

TEST(Rectangle, WidePenIsCentredOnTheOutlineWithRoundCorners) {
  ShapeCanvas canvas(10, 10, PS_SOLID, 3);
  EXPECT_TRUE(Rectangle(canvas.dc(), 2, 2, 8, 8));
  EXPECT_EQ(canvas.Picture(),
            "..........\n"
            "..RRRRRR..\n"
            ".RRRRRRRR.\n"
            ".RRRRRRRR.\n"
            ".RRRBBRRR.\n"
            ".RRRBBRRR.\n"
            ".RRRRRRRR.\n"
            ".RRRRRRRR.\n"
            "..RRRRRR..\n"
            "..........\n");
}

TEST(Rectangle, InsideFramePenStaysInsideTheBox) {
  ShapeCanvas canvas(12, 12, PS_INSIDEFRAME, 3);
  Rectangle(canvas.dc(), 1, 1, 11, 11);
  const std::string picture = canvas.Picture();
  EXPECT_EQ(picture.substr(0, 13), "............\n");
  EXPECT_EQ(picture.substr(13, 13), "..RRRRRRRR..\n");
  EXPECT_EQ(picture.substr(26, 13), ".RRRRRRRRRR.\n");
  EXPECT_EQ(picture.substr(4 * 13, 13), ".RRRBBBBRRR.\n");
  EXPECT_EQ(picture.substr(11 * 13, 13), "............\n");

  ShapeCanvas even(12, 12, PS_INSIDEFRAME, 4);
  Rectangle(even.dc(), 1, 1, 11, 11);
  EXPECT_EQ(even.Picture(),
            "............\n"
            "..RRRRRRRR..\n"
            ".RRRRRRRRRR.\n"
            ".RRRRRRRRRR.\n"
            ".RRRRRRRRRR.\n"
            ".RRRRBBRRRR.\n"
            ".RRRRBBRRRR.\n"
            ".RRRRRRRRRR.\n"
            ".RRRRRRRRRR.\n"
            ".RRRRRRRRRR.\n"
            "..RRRRRRRR..\n"
            "............\n");
}

TEST(Rectangle, DashPatternStartsAtTheTopRightAndFollowsTheArcDirection) {
  ShapeCanvas canvas(10, 5, PS_DOT);
  SelectObject(canvas.dc(), GetStockObject(NULL_BRUSH));
  SetBkMode(canvas.dc(), TRANSPARENT);
  Rectangle(canvas.dc(), 0, 0, 10, 5);  // (9,0) -> (0,0) -> (0,4) -> (9,4) -> back up
  EXPECT_EQ(canvas.Picture(),
            ".RRR...RRR\n"
            ".........R\n"
            ".........R\n"
            "R.........\n"
            "RR...RRR..\n");
  canvas.Fill(kWhite);
  SetArcDirection(canvas.dc(), AD_CLOCKWISE);
  Rectangle(canvas.dc(), 0, 0, 10, 5);  // (9,4) -> (0,4) -> (0,0) -> (9,0) -> back down
  EXPECT_EQ(canvas.Picture(),
            "RR...RRR..\n"
            "R.........\n"
            ".........R\n"
            ".........R\n"
            ".RRR...RRR\n");
}

TEST(Rectangle, MixModeAppliesToTheInteriorToo) {
  ShapeCanvas canvas(4, 3);
  SetROP2(canvas.dc(), R2_NOT);
  Rectangle(canvas.dc(), 0, 0, 4, 3);
  EXPECT_EQ(CountPixels(canvas, kBlack), 12);
}

TEST(Ellipse, MatchesThePicturesOfTheNotes) {
  ShapeCanvas canvas(8, 6);
  SelectObject(canvas.dc(), GetStockObject(NULL_BRUSH));
  EXPECT_TRUE(Ellipse(canvas.dc(), 0, 0, 8, 6));
  EXPECT_EQ(canvas.Picture(),
            "..RRRR..\n"
            ".R....R.\n"
            "R......R\n"
            "R......R\n"
            ".R....R.\n"
            "..RRRR..\n");

  ShapeCanvas round(7, 7);
  SelectObject(round.dc(), GetStockObject(NULL_BRUSH));
  Ellipse(round.dc(), 0, 0, 7, 7);
  EXPECT_EQ(round.Picture(),
            "..RRR..\n"
            ".R...R.\n"
            "R.....R\n"
            "R.....R\n"
            "R.....R\n"
            ".R...R.\n"
            "..RRR..\n");
}

TEST(Ellipse, BrushFillsTheInsideAndXorDrawsEachOutlinePixelOnce) {
  ShapeCanvas canvas(8, 6);
  Ellipse(canvas.dc(), 0, 0, 8, 6);
  EXPECT_EQ(canvas.Picture(),
            "..RRRR..\n"
            ".RBBBBR.\n"
            "RBBBBBBR\n"
            "RBBBBBBR\n"
            ".RBBBBR.\n"
            "..RRRR..\n");

  Canvas32 xored(8, 6, kBlack);
  Selected pen(xored.dc(), CreatePen(PS_SOLID, 1, kWhite));
  SelectObject(xored.dc(), GetStockObject(NULL_BRUSH));
  SetROP2(xored.dc(), R2_XORPEN);
  Ellipse(xored.dc(), 0, 0, 8, 6);
  EXPECT_EQ(xored.Picture(kWhite),
            "..####..\n"
            ".#....#.\n"
            "#......#\n"
            "#......#\n"
            ".#....#.\n"
            "..####..\n");
}

TEST(Ellipse, NullPenFillsTheWholeEllipseUnshrunk) {
  ShapeCanvas canvas(8, 6);
  SelectObject(canvas.dc(), GetStockObject(NULL_PEN));
  Ellipse(canvas.dc(), 0, 0, 8, 6);
  EXPECT_EQ(canvas.Picture(),
            "..BBBB..\n"
            ".BBBBBB.\n"
            "BBBBBBBB\n"
            "BBBBBBBB\n"
            ".BBBBBB.\n"
            "..BBBB..\n");
}

TEST(Ellipse, WideInsideFramePenKeepsTheEllipseInItsBox) {
  ShapeCanvas canvas(14, 12, PS_INSIDEFRAME, 3);
  Ellipse(canvas.dc(), 1, 1, 13, 11);
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 14; ++x) {
      if (x == 0 || y == 0 || x == 13 || y == 11) {
        EXPECT_EQ(canvas.At(x, y), kWhite) << x << "," << y;
      }
    }
  }
  EXPECT_EQ(canvas.At(1, 5), kRed);  // the pen reaches the box edges
  EXPECT_EQ(canvas.At(12, 6), kRed);
  EXPECT_EQ(canvas.At(6, 1), kRed);
  EXPECT_EQ(canvas.At(7, 10), kRed);
  EXPECT_EQ(canvas.At(5, 5), kBlue);  // the brush stays inside the ring
  EXPECT_EQ(canvas.At(4, 5), kRed);
}

TEST(RoundRect, SmallCornersGiveThePlainRectangleAndLargeOnesAreClamped) {
  ShapeCanvas rounded(9, 7);
  ShapeCanvas plain(9, 7);
  Rectangle(plain.dc(), 1, 1, 8, 6);
  for (int corner : {0, 1, 2, -2}) {
    rounded.Fill(kWhite);
    EXPECT_TRUE(RoundRect(rounded.dc(), 1, 1, 8, 6, corner, 4));
    EXPECT_EQ(rounded.Hash(), plain.Hash()) << corner;
  }
  rounded.Fill(kWhite);
  RoundRect(rounded.dc(), 1, 1, 8, 6, 100, 100);
  plain.Fill(kWhite);
  Ellipse(plain.dc(), 1, 1, 8, 6);
  EXPECT_EQ(rounded.Hash(), plain.Hash());
}

TEST(RoundRect, CornersAreEllipseQuartersJoinedByStraightEdges) {
  ShapeCanvas canvas(10, 7);
  SelectObject(canvas.dc(), GetStockObject(NULL_BRUSH));
  RoundRect(canvas.dc(), 0, 0, 10, 7, 4, 4);
  EXPECT_EQ(canvas.Picture(),
            ".RRRRRRRR.\n"
            "R........R\n"
            "R........R\n"
            "R........R\n"
            "R........R\n"
            "R........R\n"
            ".RRRRRRRR.\n");
}

TEST(Arc, DrawsOnlyThePartBetweenTheRaysInTheArcDirection) {
  ShapeCanvas canvas(9, 9);
  // From the ray to the right to the ray upwards: counter-clockwise this is the top-right
  // quarter, drawn like a polyline from just above the right ray to the pixel before the
  // upward one, without that end pixel.
  EXPECT_TRUE(Arc(canvas.dc(), 0, 0, 9, 9, 9, 4, 4, 0));
  EXPECT_EQ(canvas.Picture(),
            ".........\n"
            "......RR.\n"
            ".......R.\n"
            "........R\n"
            "........R\n"
            ".........\n"
            ".........\n"
            ".........\n"
            ".........\n");
  EXPECT_EQ(CountPixels(canvas, kBlue), 0);  // arcs never fill

  canvas.Fill(kWhite);
  SetArcDirection(canvas.dc(), AD_CLOCKWISE);
  Arc(canvas.dc(), 0, 0, 9, 9, 9, 4, 4, 0);  // now the other three quarters
  EXPECT_EQ(canvas.Picture(),
            "...R.....\n"
            ".RR......\n"
            ".R.......\n"
            "R........\n"
            "R.......R\n"
            "R.......R\n"
            ".R.....R.\n"
            ".RR...RR.\n"
            "...RRR...\n");
}

TEST(Arc, CoincidingRaysDrawTheWholeEllipse) {
  ShapeCanvas arc(8, 6);
  ShapeCanvas ellipse(8, 6);
  SelectObject(ellipse.dc(), GetStockObject(NULL_BRUSH));
  Arc(arc.dc(), 0, 0, 8, 6, 8, 3, 16, 3);
  Ellipse(ellipse.dc(), 0, 0, 8, 6);
  // The closed ellipse draws every pixel; the arc runs once round from just above the centre
  // row and leaves out its end pixel, (7,3) on the centre row.
  EXPECT_EQ(CountPixels(ellipse, kRed), 16);
  EXPECT_EQ(CountPixels(arc, kRed), 15);
  EXPECT_EQ(arc.At(7, 3), kWhite);
  EXPECT_EQ(ellipse.At(7, 3), kRed);
}

TEST(PieAndChord, FillTheirQuarterWithTheBrush) {
  ShapeCanvas pie(9, 9);
  EXPECT_TRUE(Pie(pie.dc(), 0, 0, 9, 9, 9, 4, 4, 0));
  EXPECT_EQ(pie.Picture(),
            ".....R...\n"
            ".....RRR.\n"
            "....RBBR.\n"
            "....RBBBR\n"
            "....RRRRR\n"
            ".........\n"
            ".........\n"
            ".........\n"
            ".........\n");
  // The chord runs straight from the last pixel of the arc back to its first.
  ShapeCanvas chord(20, 14);
  EXPECT_TRUE(Chord(chord.dc(), 0, 0, 20, 14, 20, 0, 0, 7));
  EXPECT_EQ(chord.Picture(),
            "......RRRRRRRR......\n"
            "....RRBBBBBBBBRR....\n"
            "...RBBBBBBRRRR......\n"
            "..RBBBRRRR..........\n"
            ".RRRRR..............\n"
            "RR..................\n"
            "....................\n"
            "....................\n"
            "....................\n"
            "....................\n"
            "....................\n"
            "....................\n"
            "....................\n"
            "....................\n");
}

TEST(Polygon, SquareExampleOfTheNotes) {
  const POINT square[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  ShapeCanvas nullPen(12, 12);
  SelectObject(nullPen.dc(), GetStockObject(NULL_PEN));
  EXPECT_TRUE(Polygon(nullPen.dc(), square, 4));
  EXPECT_EQ(CountPixels(nullPen, kBlue), 100);
  EXPECT_EQ(nullPen.At(9, 9), kBlue);
  EXPECT_EQ(nullPen.At(10, 9), kWhite);

  ShapeCanvas withPen(12, 12);
  Polygon(withPen.dc(), square, 4);
  EXPECT_EQ(CountPixels(withPen, kBlue) + CountPixels(withPen, kRed), 121);
  EXPECT_EQ(withPen.At(10, 10), kRed);

  ShapeCanvas rectangle(12, 12);
  Rectangle(rectangle.dc(), 0, 0, 10, 10);
  EXPECT_EQ(CountPixels(rectangle, kBlue) + CountPixels(rectangle, kRed), 100);
}

TEST(Polygon, StarCentreIsEmptyWhenAlternatingAndFilledWhenWinding) {
  const POINT star[] = {{10, 0}, {16, 19}, {0, 7}, {20, 7}, {4, 19}};
  ShapeCanvas canvas(21, 20);
  SelectObject(canvas.dc(), GetStockObject(NULL_PEN));
  Polygon(canvas.dc(), star, 5);
  EXPECT_EQ(canvas.At(10, 10), kWhite);
  EXPECT_EQ(canvas.At(10, 3), kBlue);
  const uint64_t alternate = canvas.Hash();

  // The same pixels as the region scan converter gives.
  Canvas32 region(21, 20);
  HRGN shape = CreatePolygonRgn(star, 5, ALTERNATE);
  HBRUSH blue = CreateSolidBrush(kBlue);
  FillRgn(region.dc(), shape, blue);
  EXPECT_EQ(region.Hash(), alternate);

  canvas.Fill(kWhite);
  SetPolyFillMode(canvas.dc(), WINDING);
  Polygon(canvas.dc(), star, 5);
  EXPECT_EQ(canvas.At(10, 10), kBlue);
  region.Fill(kWhite);
  DeleteObject(shape);
  shape = CreatePolygonRgn(star, 5, WINDING);
  FillRgn(region.dc(), shape, blue);
  EXPECT_EQ(region.Hash(), canvas.Hash());
  DeleteObject(shape);
  DeleteObject(blue);
}

TEST(PolyPolygon, OverlapsCancelWhenAlternatingAndAddUpWhenWinding) {
  const POINT squares[] = {{0, 0}, {6, 0}, {6, 4}, {0, 4}, {3, 0}, {9, 0}, {9, 4}, {3, 4}};
  const INT counts[] = {4, 4};
  ShapeCanvas canvas(10, 4);
  SelectObject(canvas.dc(), GetStockObject(NULL_PEN));
  EXPECT_TRUE(PolyPolygon(canvas.dc(), squares, counts, 2));
  EXPECT_EQ(canvas.Picture(), "BBB...BBB.\nBBB...BBB.\nBBB...BBB.\nBBB...BBB.\n");
  canvas.Fill(kWhite);
  SetPolyFillMode(canvas.dc(), WINDING);
  PolyPolygon(canvas.dc(), squares, counts, 2);
  EXPECT_EQ(canvas.Picture(), "BBBBBBBBB.\nBBBBBBBBB.\nBBBBBBBBB.\nBBBBBBBBB.\n");
}

TEST(PolyPolygon, RejectsBadCountsAndPointers) {
  ShapeCanvas canvas(4, 4);
  const POINT points[] = {{0, 0}, {3, 0}, {3, 3}};
  const INT bad[] = {3, 1};
  SetLastError(0);
  EXPECT_FALSE(PolyPolygon(canvas.dc(), points, bad, 2));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  EXPECT_FALSE(PolyPolygon(canvas.dc(), points, bad, 0));
  EXPECT_FALSE(PolyPolygon(canvas.dc(), points, nullptr, 1));
  EXPECT_FALSE(Polygon(canvas.dc(), points, 1));
  EXPECT_FALSE(Polygon(canvas.dc(), nullptr, 3));
  EXPECT_FALSE(Rectangle(nullptr, 0, 0, 2, 2));
  EXPECT_FALSE(Ellipse(reinterpret_cast<HDC>(0x4321), 0, 0, 2, 2));
  EXPECT_EQ(CountPixels(canvas, kWhite), 16);
}

TEST(WidePen, LinesGetRoundCapsFromTheEllipticDisc) {
  ShapeCanvas canvas(10, 7, PS_SOLID, 5);
  MoveToEx(canvas.dc(), 2, 3, nullptr);
  LineTo(canvas.dc(), 7, 3);
  const std::string line = canvas.Picture();
  EXPECT_EQ(line,
            "..........\n"
            ".RRRRRRRR.\n"
            "RRRRRRRRRR\n"
            "RRRRRRRRRR\n"
            "RRRRRRRRRR\n"
            ".RRRRRRRR.\n"
            "..........\n");
  // Each cap is the region CreateEllipticRgn(-(w/2), -(w/2), (w+1)/2+1, (w+1)/2+1) at the end.
  Canvas32 caps(10, 7);
  HBRUSH red = CreateSolidBrush(kRed);
  for (int x : {2, 7}) {
    HRGN disc = CreateEllipticRgn(x - 2, 1, x + 4, 7);
    FillRgn(caps.dc(), disc, red);
    DeleteObject(disc);
  }
  for (int y = 0; y < 7; ++y) {
    for (int x = 0; x < 10; ++x) {
      if (caps.At(x, y) == kRed) {
        EXPECT_EQ(canvas.At(x, y), kRed) << x << "," << y;
      }
    }
  }
  DeleteObject(red);
}

TEST(WidePen, XorPaintsOverlappingSegmentsOnce) {
  const POINT zigzag[] = {{1, 6}, {10, 6}, {2, 3}, {10, 1}, {1, 6}};
  Canvas32 copied(12, 9, kBlack);
  Selected copyPen(copied.dc(), CreatePen(PS_SOLID, 4, kWhite));
  Polyline(copied.dc(), zigzag, 5);

  Canvas32 xored(12, 9, kBlack);
  Selected xorPen(xored.dc(), CreatePen(PS_SOLID, 4, kWhite));
  SetROP2(xored.dc(), R2_XORPEN);
  EXPECT_TRUE(Polyline(xored.dc(), zigzag, 5));
  EXPECT_EQ(xored.Picture(kWhite), copied.Picture(kWhite));
  EXPECT_GT(CountPixels(xored, kWhite), 40);
}

TEST(WidePen, ExtendedPensHonourCapsAndJoins) {
  auto draw = [](DWORD style) {
    auto canvas = std::make_unique<Canvas32>(12, 10);
    LOGBRUSH brush{BS_SOLID, kRed, 0};
    HPEN pen = ExtCreatePen(PS_GEOMETRIC | style, 4, &brush, 0, nullptr);
    HGDIOBJ previous = SelectObject(canvas->dc(), pen);
    const POINT corner[] = {{2, 2}, {8, 2}, {8, 8}};
    Polyline(canvas->dc(), corner, 3);
    SelectObject(canvas->dc(), previous);
    DeleteObject(pen);
    return canvas;
  };
  auto flat = draw(PS_ENDCAP_FLAT | PS_JOIN_MITER);
  EXPECT_EQ(flat->At(1, 1), kWhite);   // no cap before the start
  EXPECT_EQ(flat->At(2, 0), kRed);
  EXPECT_EQ(flat->At(9, 0), kRed);     // the mitre fills the outer corner
  EXPECT_EQ(flat->At(9, 8), kWhite);   // no cap after the end
  auto bevel = draw(PS_ENDCAP_SQUARE | PS_JOIN_BEVEL);
  EXPECT_EQ(bevel->At(0, 1), kRed);    // a square cap reaches half a width back
  EXPECT_EQ(bevel->At(8, 1), kRed);    // the bevel cuts the outer corner
  EXPECT_EQ(bevel->At(9, 1), kWhite);
  EXPECT_EQ(bevel->At(9, 0), kWhite);
  EXPECT_EQ(bevel->At(9, 9), kRed);
}

TEST(Shapes, FarAwayCoordinatesAreClippedNotWalked) {
  ShapeCanvas canvas(6, 6);
  const int far = 1 << 30;
  const POINT huge[] = {{-far, -far}, {far, -far}, {0, far}};
  SelectObject(canvas.dc(), GetStockObject(NULL_PEN));
  EXPECT_TRUE(Polygon(canvas.dc(), huge, 3));
  EXPECT_EQ(CountPixels(canvas, kBlue), 36);
  SelectObject(canvas.dc(), GetStockObject(BLACK_PEN));
  EXPECT_TRUE(Rectangle(canvas.dc(), -far, -far, far, far));
  EXPECT_TRUE(Ellipse(canvas.dc(), far, far, far - 5, far - 7));  // small and far away
  EXPECT_TRUE(Ellipse(canvas.dc(), far / 2, far / 2, far, far));  // huge but off the bitmap

  Selected wide(canvas.dc(), CreatePen(PS_SOLID, 9, kRed));
  EXPECT_TRUE(Rectangle(canvas.dc(), -far, 2, far, 4));
  EXPECT_EQ(CountPixels(canvas, kRed), 36);
}

TEST(Shapes, AbsurdPenWidthsAndCurvesAreRefusedNotAllocated) {
  ShapeCanvas canvas(6, 6);
  Selected wide(canvas.dc(), CreatePen(PS_SOLID, 1 << 30, kRed));
  SetLastError(0);
  EXPECT_FALSE(Rectangle(canvas.dc(), 0, 0, 4, 4));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  SelectObject(canvas.dc(), GetStockObject(BLACK_PEN));
  EXPECT_FALSE(Ellipse(canvas.dc(), -(1 << 30), -(1 << 30), 1 << 30, 1 << 30));
  EXPECT_EQ(CountPixels(canvas, kWhite), 36);
}

}  // namespace
