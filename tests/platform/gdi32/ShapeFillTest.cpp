// Filled polygons and ellipses of many random shapes against simple references: a per-pixel
// crossing count for polygons, the outline's extent in each row for ellipses and rounded
// rectangles. Fills use the XOR mix so a pixel painted twice shows up as unpainted.
#include "ShapeTestSupport.h"

#include <random>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);  // white XOR blue
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr int kWidth = 48;
constexpr int kHeight = 40;

// A canvas that fills with a blue brush XORed onto white and no outline.
struct XorFillCanvas : Canvas32 {
  XorFillCanvas() : Canvas32(kWidth, kHeight), brush(dc(), CreateSolidBrush(kBlue)) {
    SelectObject(dc(), GetStockObject(NULL_PEN));
    SetROP2(dc(), R2_XORPEN);
  }
  Selected brush;
};

// Pixel (x, y) is inside when the point (x, y) is: each edge crossing the row at or left of x
// counts (with its direction when winding).
bool InsidePolygons(const std::vector<std::vector<POINT>>& polygons, int fillMode, int x, int y) {
  int crossings = 0;
  for (const auto& polygon : polygons) {
    for (size_t i = 0; i < polygon.size(); ++i) {
      POINT a = polygon[i];
      POINT b = polygon[(i + 1) % polygon.size()];
      int direction = 1;
      if (a.y > b.y) {
        std::swap(a, b);
        direction = -1;
      }
      if (y < a.y || y >= b.y) continue;
      // x >= a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y), exactly.
      const __int128 left = __int128{x - a.x} * (b.y - a.y);
      const __int128 right = __int128{y - a.y} * (b.x - a.x);
      if (left >= right) crossings += fillMode == WINDING ? direction : 1;
    }
  }
  return fillMode == WINDING ? crossings != 0 : (crossings & 1) != 0;
}

// A clip region with holes and several spans per row.
HRGN MakeRaggedClip() {
  HRGN clip = CreateEllipticRgn(2, 3, 40, 37);
  HRGN hole = CreateRectRgn(10, 12, 30, 20);
  CombineRgn(clip, clip, hole, RGN_XOR);
  DeleteObject(hole);
  HRGN bar = CreateRectRgn(20, 0, 24, kHeight);
  CombineRgn(clip, clip, bar, RGN_OR);
  DeleteObject(bar);
  return clip;
}

// Every pixel is yellow exactly where `inside` holds (and the clip, when given, contains it).
template <typename Inside>
void ExpectPainted(const Canvas32& canvas, HRGN clip, Inside inside, const std::string& what) {
  int wrong = 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const bool expected = inside(x, y) && (!clip || PtInRegion(clip, x, y));
      if (canvas.At(x, y) != (expected ? kYellow : kWhite)) ++wrong;
    }
  }
  EXPECT_EQ(wrong, 0) << what;
}

std::string Describe(const std::vector<std::vector<POINT>>& polygons, int fillMode, bool clipped) {
  std::string out = fillMode == WINDING ? "winding" : "alternate";
  out += clipped ? " clipped:" : ":";
  for (const auto& polygon : polygons) {
    out += " [";
    for (const POINT& p : polygon) out += " (" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
    out += " ]";
  }
  return out;
}

// The polygons as PolyPolygon takes them.
struct PolyPoints {
  explicit PolyPoints(const std::vector<std::vector<POINT>>& polygons) {
    for (const auto& polygon : polygons) {
      points.insert(points.end(), polygon.begin(), polygon.end());
      counts.push_back(static_cast<INT>(polygon.size()));
    }
  }
  int Polygons() const { return static_cast<int>(counts.size()); }
  std::vector<POINT> points;
  std::vector<INT> counts;
};

void CheckPolygons(const std::vector<std::vector<POINT>>& polygons, int fillMode, bool clipped) {
  XorFillCanvas canvas;
  HRGN clip = clipped ? MakeRaggedClip() : nullptr;
  if (clip) SelectClipRgn(canvas.dc(), clip);
  SetPolyFillMode(canvas.dc(), fillMode);
  const PolyPoints all(polygons);
  EXPECT_TRUE(PolyPolygon(canvas.dc(), all.points.data(), all.counts.data(), all.Polygons()));
  ExpectPainted(canvas, clip, [&](int x, int y) { return InsidePolygons(polygons, fillMode, x, y); },
                Describe(polygons, fillMode, clipped));
  if (clip) DeleteObject(clip);
}

// The region of the same polygons follows the same rule.
void CheckPolygonRegion(const std::vector<std::vector<POINT>>& polygons, int fillMode) {
  const PolyPoints all(polygons);
  const std::string what = Describe(polygons, fillMode, false);
  HRGN region = CreatePolyPolygonRgn(all.points.data(), all.counts.data(), all.Polygons(), fillMode);
  ASSERT_NE(region, nullptr) << what;
  int wrong = 0;
  for (int y = -15; y < kHeight + 15; ++y) {  // vertices lie in -12..60
    for (int x = -15; x < kWidth + 15; ++x) {
      if ((PtInRegion(region, x, y) != FALSE) != InsidePolygons(polygons, fillMode, x, y)) ++wrong;
    }
  }
  EXPECT_EQ(wrong, 0) << "region " << what;
  DeleteObject(region);
}

TEST(PolygonFill, RandomPolygonsMatchTheCrossingRule) {
  std::mt19937 random(20261209);
  std::uniform_int_distribution<int> coordinate(-12, 60);
  std::uniform_int_distribution<int> vertexCount(3, 9);
  std::uniform_int_distribution<int> polygonCount(1, 3);
  for (int round = 0; round < 300; ++round) {
    std::vector<std::vector<POINT>> polygons(static_cast<size_t>(polygonCount(random)));
    for (auto& polygon : polygons) {
      polygon.resize(static_cast<size_t>(vertexCount(random)));
      for (POINT& p : polygon) p = POINT{coordinate(random), coordinate(random)};
    }
    for (const int fillMode : {ALTERNATE, WINDING}) {
      for (const bool clipped : {false, true}) CheckPolygons(polygons, fillMode, clipped);
      CheckPolygonRegion(polygons, fillMode);
    }
  }
}

TEST(PolygonFill, AxisAlignedAndDegenerateEdgesFollowTheSameRule) {
  const std::vector<std::vector<std::vector<POINT>>> cases = {
      {{{5, 5}, {30, 5}, {30, 25}, {5, 25}}},                          // a plain rectangle
      {{{5, 5}, {30, 5}, {30, 25}, {5, 25}}, {{10, 10}, {20, 10}, {20, 20}, {10, 20}}},  // a hole
      {{{8, 2}, {8, 30}, {20, 30}, {20, 2}, {8, 2}}},                  // repeated closing vertex
      {{{3, 3}, {40, 3}, {3, 3}}},                                     // no area
      {{{0, 0}, {47, 39}, {0, 39}, {47, 0}}},                          // a bow tie
      {{{20, -5}, {50, 20}, {20, 45}, {-10, 20}}},                     // corners off the canvas
  };
  for (const auto& polygons : cases) {
    for (const int fillMode : {ALTERNATE, WINDING}) {
      for (const bool clipped : {false, true}) CheckPolygons(polygons, fillMode, clipped);
      CheckPolygonRegion(polygons, fillMode);
    }
  }
}

TEST(PolygonFill, HugeCoordinatesKeepExactCrossings) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> far(-(1 << 30), 1 << 30);
  std::uniform_int_distribution<int> near(-5, 45);
  for (int round = 0; round < 100; ++round) {
    // One far vertex makes long, steep or shallow edges through the canvas.
    std::vector<POINT> polygon{{far(random), far(random)}, {near(random), near(random)}, {near(random), near(random)}};
    for (const int fillMode : {ALTERNATE, WINDING}) CheckPolygons({polygon}, fillMode, round % 2 == 0);
  }
}

// Per row, the leftmost and rightmost pixel a one-pixel pen draws for the shape's outline.
std::vector<std::pair<int, int>> OutlineExtents(void (*draw)(HDC, const RECT&, int), const RECT& box, int corner) {
  Canvas32 outline(kWidth, kHeight);
  Selected pen(outline.dc(), CreatePen(PS_SOLID, 1, kRed));
  SelectObject(outline.dc(), GetStockObject(NULL_BRUSH));
  draw(outline.dc(), box, corner);
  std::vector<std::pair<int, int>> extents(kHeight, {kWidth, -1});
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      if (outline.At(x, y) != kRed) continue;
      extents[y].first = std::min(extents[y].first, x);
      extents[y].second = std::max(extents[y].second, x);
    }
  }
  return extents;
}

void DrawEllipse(HDC dc, const RECT& box, int) { Ellipse(dc, box.left, box.top, box.right, box.bottom); }
void DrawRoundRect(HDC dc, const RECT& box, int corner) {
  RoundRect(dc, box.left, box.top, box.right, box.bottom, corner, corner / 2 + 3);
}

void CheckCurve(void (*draw)(HDC, const RECT&, int), const RECT& box, int corner, bool clipped) {
  const auto extents = OutlineExtents(draw, box, corner);
  XorFillCanvas canvas;
  HRGN clip = clipped ? MakeRaggedClip() : nullptr;
  if (clip) SelectClipRgn(canvas.dc(), clip);
  draw(canvas.dc(), box, corner);
  const std::string what = "box (" + std::to_string(box.left) + "," + std::to_string(box.top) + "," +
                           std::to_string(box.right) + "," + std::to_string(box.bottom) + ") corner " +
                           std::to_string(corner) + (clipped ? " clipped" : "");
  ExpectPainted(canvas, clip, [&](int x, int y) { return x >= extents[y].first && x <= extents[y].second; }, what);
  if (clip) DeleteObject(clip);
}

TEST(CurveFill, NullPenFillCoversEachRowBetweenTheOutlineExtremes) {
  std::mt19937 random(1234);
  // Boxes stay on the canvas so the reference sees the whole outline, and are at least 3
  // pixels a side so that they are not drawn as rectangles.
  std::uniform_int_distribution<int> x(0, kWidth);
  std::uniform_int_distribution<int> y(0, kHeight);
  std::uniform_int_distribution<int> corner(3, 40);
  for (int round = 0; round < 300; ++round) {
    const RECT box{x(random), y(random), x(random), y(random)};
    if (std::abs(box.right - box.left) < 3 || std::abs(box.bottom - box.top) < 3) continue;
    for (const bool clipped : {false, true}) {
      CheckCurve(DrawEllipse, box, 0, clipped);
      CheckCurve(DrawRoundRect, box, corner(random), clipped);
    }
  }
}

TEST(CurveFill, CornersOfOddWidthKeepTheStraightEdgesBetweenThem) {
  // A 3-pixel-wide corner has a single pixel in its top and bottom rows; the edge between the
  // two corners' pixels is still inside.
  const std::string expected =
      "........\n"
      "..###...\n"
      ".#####..\n"
      ".#####..\n"
      "..###...\n"
      "........\n";
  Canvas32 drawn(8, 6);
  {
    Selected brush(drawn.dc(), CreateSolidBrush(kBlue));
    SelectObject(drawn.dc(), GetStockObject(NULL_PEN));
    EXPECT_TRUE(RoundRect(drawn.dc(), 1, 1, 6, 5, 3, 4));
  }
  EXPECT_EQ(drawn.Picture(kBlue), expected);

  Canvas32 region(8, 6);
  HRGN shape = CreateRoundRectRgn(1, 1, 7, 6, 3, 4);  // regions lose the last column and row
  HBRUSH blue = CreateSolidBrush(kBlue);
  FillRgn(region.dc(), shape, blue);
  DeleteObject(blue);
  DeleteObject(shape);
  EXPECT_EQ(region.Picture(kBlue), expected);
}

}  // namespace
