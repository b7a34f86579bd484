#include "ShapeTestSupport.h"

#include <set>
#include <utility>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

using PixelSet = std::set<std::pair<int, int>>;

// The pixels LineTo paints from `a` to `b` on a canvas whose device (0,0) is in its middle.
PixelSet LinePixels(Canvas32& canvas, POINT a, POINT b) {
  canvas.Fill(kWhite);
  MoveToEx(canvas.dc(), a.x, a.y, nullptr);
  LineTo(canvas.dc(), b.x, b.y);
  PixelSet pixels;
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      if (canvas.At(x, y) == kBlack) pixels.insert({x - canvas.width() / 2, y - canvas.height() / 2});
    }
  }
  return pixels;
}

TEST(LineTo, FollowsTheClosedFormRuleOfTheNotes) {
  Canvas32 canvas(16, 16);
  SetViewportOrgEx(canvas.dc(), 8, 8, nullptr);
  EXPECT_EQ(LinePixels(canvas, {0, 0}, {4, 2}), (PixelSet{{0, 0}, {1, 0}, {2, 1}, {3, 1}}));
  EXPECT_EQ(LinePixels(canvas, {4, 2}, {0, 0}), (PixelSet{{4, 2}, {3, 1}, {2, 1}, {1, 0}}));
  EXPECT_EQ(LinePixels(canvas, {0, 0}, {4, -2}), (PixelSet{{0, 0}, {1, -1}, {2, -1}, {3, -2}}));
  EXPECT_EQ(LinePixels(canvas, {0, 0}, {2, 4}), (PixelSet{{0, 0}, {0, 1}, {1, 2}, {1, 3}}));
  // Exact diagonals step both coordinates every pixel.
  EXPECT_EQ(LinePixels(canvas, {0, 0}, {-3, 3}), (PixelSet{{0, 0}, {-1, 1}, {-2, 2}}));
}

TEST(LineTo, PixelsDoNotDependOnDirectionExceptTheOmittedEnd) {
  Canvas32 canvas(16, 16);
  SetViewportOrgEx(canvas.dc(), 8, 8, nullptr);
  for (int ax = -4; ax <= 4; ++ax) {
    for (int ay = -4; ay <= 4; ++ay) {
      for (int bx = -4; bx <= 4; ++bx) {
        for (int by = -4; by <= 4; ++by) {
          PixelSet forward = LinePixels(canvas, {ax, ay}, {bx, by});
          PixelSet backward = LinePixels(canvas, {bx, by}, {ax, ay});
          EXPECT_FALSE(forward.contains({bx, by}));
          forward.insert({bx, by});
          backward.insert({ax, ay});
          ASSERT_EQ(forward, backward) << "(" << ax << "," << ay << ") - (" << bx << "," << by << ")";
        }
      }
    }
  }
}

TEST(LineTo, IncludesTheStartExcludesTheEndAndMovesTheCurrentPosition) {
  Canvas32 canvas(8, 3);
  MoveToEx(canvas.dc(), 6, 1, nullptr);
  EXPECT_TRUE(LineTo(canvas.dc(), 1, 1));
  EXPECT_EQ(canvas.Picture(kBlack), "........\n..#####.\n........\n");
  POINT position{};
  GetCurrentPositionEx(canvas.dc(), &position);
  EXPECT_EQ(position.x, 1);
  EXPECT_EQ(position.y, 1);

  canvas.Fill(kWhite);
  EXPECT_TRUE(LineTo(canvas.dc(), 1, 1));  // zero length
  EXPECT_EQ(CountPixels(canvas, kBlack), 0);

  POINT previous{};
  MoveToEx(canvas.dc(), 3, 0, &previous);
  EXPECT_EQ(previous.x, 1);
  LineTo(canvas.dc(), 3, 3);
  EXPECT_EQ(canvas.Picture(kBlack), "...#....\n...#....\n...#....\n");
}

TEST(Polyline, NeitherUsesNorMovesTheCurrentPositionUnlikePolylineTo) {
  Canvas32 canvas(6, 4);
  MoveToEx(canvas.dc(), 0, 3, nullptr);
  const POINT corner[] = {{1, 0}, {4, 0}, {4, 3}};
  EXPECT_TRUE(Polyline(canvas.dc(), corner, 3));
  EXPECT_EQ(canvas.Picture(kBlack),
            ".####.\n"
            "....#.\n"
            "....#.\n"
            "......\n");  // interior vertex once, last point not drawn
  POINT position{};
  GetCurrentPositionEx(canvas.dc(), &position);
  EXPECT_EQ(position.x, 0);
  EXPECT_EQ(position.y, 3);

  canvas.Fill(kWhite);
  EXPECT_TRUE(PolylineTo(canvas.dc(), corner, 3));  // starts at the current position (0,3)
  EXPECT_EQ(canvas.Picture(kBlack),
            ".####.\n"
            ".#..#.\n"
            "#...#.\n"
            "#.....\n");
  GetCurrentPositionEx(canvas.dc(), &position);
  EXPECT_EQ(position.x, 4);
  EXPECT_EQ(position.y, 3);
}

TEST(Polyline, RejectsBadArgumentsWithoutDrawing) {
  Canvas32 canvas(4, 4);
  const POINT one[] = {{0, 0}};
  SetLastError(0);
  EXPECT_FALSE(Polyline(canvas.dc(), one, 1));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  EXPECT_FALSE(Polyline(canvas.dc(), nullptr, 2));
  EXPECT_FALSE(Polyline(canvas.dc(), one, -5));
  EXPECT_FALSE(PolylineTo(canvas.dc(), nullptr, 3));
  EXPECT_TRUE(PolylineTo(canvas.dc(), one, 0));
  SetLastError(0);
  EXPECT_FALSE(LineTo(nullptr, 1, 1));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  EXPECT_FALSE(MoveToEx(reinterpret_cast<HDC>(0x1234), 1, 1, nullptr));
  EXPECT_EQ(CountPixels(canvas, kBlack), 0);
}

// One row of 48 pixels drawn with the style: 'R' pen, 'B' background, '.' untouched.
std::string DashRow(int style, int backgroundMode) {
  Canvas32 canvas(48, 1);
  Selected pen(canvas.dc(), CreatePen(style, 1, kRed));
  SetBkColor(canvas.dc(), kBlue);
  SetBkMode(canvas.dc(), backgroundMode);
  MoveToEx(canvas.dc(), 0, 0, nullptr);
  LineTo(canvas.dc(), 48, 0);
  std::string row = Colours(canvas, {{kRed, 'R'}, {kBlue, 'B'}});
  row.pop_back();
  return row;
}

std::string Repeat(const std::string& unit, size_t length) {
  std::string out;
  while (out.size() < length) out += unit;
  return out.substr(0, length);
}

TEST(PenStyles, DashPatternsHaveTheirOnAndOffLengthsAndOpaqueGaps) {
  const std::string r18(18, 'R');
  EXPECT_EQ(DashRow(PS_SOLID, OPAQUE), std::string(48, 'R'));
  EXPECT_EQ(DashRow(PS_DASH, OPAQUE), Repeat(r18 + "BBBBBB", 48));
  EXPECT_EQ(DashRow(PS_DOT, OPAQUE), Repeat("RRRBBB", 48));
  EXPECT_EQ(DashRow(PS_DASHDOT, OPAQUE), Repeat("RRRRRRRRRBBBBBBRRRBBBBBB", 48));
  EXPECT_EQ(DashRow(PS_DASHDOTDOT, OPAQUE), Repeat("RRRRRRRRRBBBRRRBBBRRRBBB", 48));
  EXPECT_EQ(DashRow(PS_NULL, OPAQUE), std::string(48, '.'));
  EXPECT_EQ(DashRow(PS_INSIDEFRAME, OPAQUE), std::string(48, 'R'));
}

TEST(PenStyles, TransparentModeLeavesTheGapsUntouched) {
  EXPECT_EQ(DashRow(PS_DASH, TRANSPARENT), Repeat(std::string(18, 'R') + "......", 48));
  EXPECT_EQ(DashRow(PS_DOT, TRANSPARENT), Repeat("RRR...", 48));
}

TEST(PenStyles, AlternatePenOfExtCreatePenSetsEveryOtherPixel) {
  Canvas32 canvas(8, 1);
  LOGBRUSH brush{BS_SOLID, kRed, 0};
  Selected pen(canvas.dc(), ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &brush, 0, nullptr));
  SetBkMode(canvas.dc(), TRANSPARENT);
  MoveToEx(canvas.dc(), 0, 0, nullptr);
  LineTo(canvas.dc(), 8, 0);
  EXPECT_EQ(canvas.Picture(kRed), "#.#.#.#.\n");
}

TEST(PenStyles, PatternRunsOnAcrossVerticesAndRestartsWithEachCall) {
  Canvas32 canvas(8, 8);
  Selected pen(canvas.dc(), CreatePen(PS_DOT, 1, kRed));
  SetBkMode(canvas.dc(), TRANSPARENT);
  const POINT corner[] = {{0, 0}, {4, 0}, {4, 5}};  // pixels 0-3, then 4-8 down the column
  Polyline(canvas.dc(), corner, 3);
  EXPECT_EQ(canvas.Picture(kRed),
            "###.....\n"
            "........\n"
            "....#...\n"
            "....#...\n"
            "....#...\n"
            "........\n"
            "........\n"
            "........\n");
  canvas.Fill(kWhite);
  MoveToEx(canvas.dc(), 0, 0, nullptr);
  LineTo(canvas.dc(), 4, 0);
  LineTo(canvas.dc(), 4, 5);  // a new call: the pattern starts again
  EXPECT_EQ(canvas.Picture(kRed),
            "###.#...\n"
            "....#...\n"
            "....#...\n"
            "........\n"
            "........\n"
            "........\n"
            "........\n"
            "........\n");
}

TEST(LineMix, XorPolygonOutlineDrawsEveryVertexOnce) {
  Canvas32 canvas(8, 8);
  Selected pen(canvas.dc(), CreatePen(PS_SOLID, 1, kWhite));
  SelectObject(canvas.dc(), GetStockObject(NULL_BRUSH));
  SetROP2(canvas.dc(), R2_XORPEN);
  const POINT triangle[] = {{1, 1}, {6, 1}, {1, 6}};
  EXPECT_TRUE(Polygon(canvas.dc(), triangle, 3));
  EXPECT_EQ(canvas.Picture(kBlack),
            "........\n"
            ".######.\n"
            ".#...#..\n"
            ".#..#...\n"
            ".#.#....\n"
            ".##.....\n"
            ".#......\n"
            "........\n");
}

TEST(LineMix, MixModeAndTheDcPenColourApplyToLines) {
  Canvas32 canvas(4, 1, RGB(0x0F, 0xF0, 0x33));
  Selected pen(canvas.dc(), CreatePen(PS_SOLID, 1, RGB(0xFF, 0x0F, 0x11)));
  SetROP2(canvas.dc(), R2_XORPEN);
  MoveToEx(canvas.dc(), 0, 0, nullptr);
  LineTo(canvas.dc(), 2, 0);
  EXPECT_EQ(canvas.At(0, 0), RGB(0xF0, 0xFF, 0x22));
  EXPECT_EQ(canvas.At(2, 0), RGB(0x0F, 0xF0, 0x33));

  SetROP2(canvas.dc(), R2_COPYPEN);
  SelectObject(canvas.dc(), GetStockObject(DC_PEN));
  SetDCPenColor(canvas.dc(), kBlue);
  LineTo(canvas.dc(), 4, 0);
  EXPECT_EQ(canvas.At(3, 0), kBlue);
  SelectObject(canvas.dc(), GetStockObject(BLACK_PEN));
}

TEST(LineClipping, FarAwayEndPointsAreClippedWithoutWalkingTheWholeLine) {
  Canvas32 canvas(6, 6);
  const int far = 1 << 30;
  MoveToEx(canvas.dc(), -far, 2, nullptr);
  EXPECT_TRUE(LineTo(canvas.dc(), far, 2));
  EXPECT_EQ(CountPixels(canvas, kBlack), 6);
  canvas.Fill(kWhite);
  MoveToEx(canvas.dc(), -far, -far, nullptr);
  EXPECT_TRUE(LineTo(canvas.dc(), far, far));  // the main diagonal
  EXPECT_EQ(PixelList(canvas, kBlack), "(0,0) (1,1) (2,2) (3,3) (4,4) (5,5)");
  canvas.Fill(kWhite);
  MoveToEx(canvas.dc(), INT_MIN, INT_MAX, nullptr);
  EXPECT_TRUE(LineTo(canvas.dc(), INT_MAX, INT_MIN));
}

TEST(LineClipping, TheClipRegionLimitsLines) {
  Canvas32 canvas(8, 1);
  HRGN clip = CreateRectRgn(2, 0, 5, 1);
  SelectClipRgn(canvas.dc(), clip);
  DeleteObject(clip);
  MoveToEx(canvas.dc(), 0, 0, nullptr);
  LineTo(canvas.dc(), 8, 0);
  EXPECT_EQ(canvas.Picture(kBlack), "..###...\n");
}

}  // namespace
