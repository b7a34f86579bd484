#include "GdiTestSupport.h"

namespace {

RECT Box(HRGN region) {
  RECT r;
  GetRgnBox(region, &r);
  return r;
}

TEST(Regions, RectRegionsNormaliseAndReportTheirType) {
  HRGN a = CreateRectRgn(10, 10, 0, 0);
  EXPECT_EQ(GetRgnBox(a, nullptr), ERROR);
  RECT box;
  EXPECT_EQ(GetRgnBox(a, &box), SIMPLEREGION);
  EXPECT_EQ(box.left, 0);
  EXPECT_EQ(box.right, 10);
  HRGN empty = CreateRectRgn(5, 0, 5, 10);
  EXPECT_EQ(GetRgnBox(empty, &box), NULLREGION);
  EXPECT_EQ(box.right, 0);
  EXPECT_TRUE(PtInRegion(a, 9, 9));
  EXPECT_FALSE(PtInRegion(a, 10, 9));
  DeleteObject(a);
  DeleteObject(empty);
}

TEST(Regions, CombineModesAndResultTypes) {
  HRGN a = CreateRectRgn(0, 0, 10, 10);
  HRGN b = CreateRectRgn(5, 0, 15, 10);
  HRGN d = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(CombineRgn(d, a, b, RGN_OR), SIMPLEREGION);  // touching bands coalesce
  EXPECT_EQ(Box(d).right, 15);
  EXPECT_EQ(CombineRgn(d, a, b, RGN_AND), SIMPLEREGION);
  EXPECT_EQ(Box(d).left, 5);
  EXPECT_EQ(CombineRgn(d, a, b, RGN_XOR), COMPLEXREGION);
  EXPECT_FALSE(PtInRegion(d, 7, 5));
  EXPECT_TRUE(PtInRegion(d, 12, 5));
  EXPECT_EQ(CombineRgn(d, a, b, RGN_DIFF), SIMPLEREGION);
  EXPECT_EQ(Box(d).right, 5);
  EXPECT_EQ(CombineRgn(d, b, nullptr, RGN_COPY), SIMPLEREGION);
  EXPECT_EQ(Box(d).left, 5);
  EXPECT_EQ(CombineRgn(d, a, a, RGN_DIFF), NULLREGION);
  EXPECT_EQ(CombineRgn(d, a, b, 9), ERROR);
  EXPECT_EQ(CombineRgn(a, a, b, RGN_OR), SIMPLEREGION);  // destination may be a source
  EXPECT_EQ(OffsetRgn(a, 1, 1), SIMPLEREGION);
  EXPECT_TRUE(EqualRgn(a, a));
  EXPECT_FALSE(EqualRgn(a, b));
  const RECT inside{2, 2, 3, 3};
  EXPECT_TRUE(RectInRegion(a, &inside));
  for (HRGN r : {a, b, d}) DeleteObject(r);
}

TEST(Regions, EllipseAndRoundRectLoseTheirLastColumnAndRow) {
  HRGN ellipse = CreateEllipticRgn(0, 0, 10, 8);
  RECT box;
  EXPECT_EQ(GetRgnBox(ellipse, &box), COMPLEXREGION);
  EXPECT_EQ(box.right, 9);
  EXPECT_EQ(box.bottom, 7);
  EXPECT_FALSE(PtInRegion(ellipse, 0, 0));
  EXPECT_TRUE(PtInRegion(ellipse, 4, 3));
  HRGN square = CreateRoundRectRgn(0, 0, 10, 10, 1, 1);
  EXPECT_EQ(GetRgnBox(square, &box), SIMPLEREGION);
  EXPECT_EQ(box.right, 9);
  DeleteObject(ellipse);
  DeleteObject(square);
}

TEST(Regions, PolygonInclusionFollowsFillMode) {
  const POINT square[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  HRGN r = CreatePolygonRgn(square, 4, ALTERNATE);
  RECT box;
  GetRgnBox(r, &box);
  EXPECT_EQ(box.right, 10);  // right and bottom edges are outside
  EXPECT_EQ(box.bottom, 10);
  DeleteObject(r);

  // A star whose points cross: the centre is empty under ALTERNATE and filled under WINDING.
  const POINT star[] = {{10, 0}, {16, 20}, {0, 7}, {20, 7}, {4, 20}};
  HRGN alternate = CreatePolygonRgn(star, 5, ALTERNATE);
  HRGN winding = CreatePolygonRgn(star, 5, WINDING);
  EXPECT_FALSE(PtInRegion(alternate, 10, 10));
  EXPECT_TRUE(PtInRegion(winding, 10, 10));
  EXPECT_TRUE(PtInRegion(alternate, 10, 3));
  DeleteObject(alternate);
  DeleteObject(winding);
  EXPECT_EQ(CreatePolygonRgn(square, 1, ALTERNATE), nullptr);
}

TEST(Clipping, SelectedRegionIsACopyInDeviceSpace) {
  Canvas32 canvas(10, 10);
  HRGN clip = CreateRectRgn(2, 2, 5, 5);
  EXPECT_EQ(SelectClipRgn(canvas.dc(), clip), SIMPLEREGION);
  DeleteObject(clip);  // the DC keeps its own copy
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  RECT all{0, 0, 10, 10};
  FillRect(canvas.dc(), &all, red);
  EXPECT_EQ(canvas.At(2, 2), RGB(255, 0, 0));
  EXPECT_EQ(canvas.At(5, 5), RGB(255, 255, 255));
  SetViewportOrgEx(canvas.dc(), 3, 0, nullptr);  // does not move the clip, moves the drawing
  RECT box;
  EXPECT_EQ(GetClipBox(canvas.dc(), &box), SIMPLEREGION);
  EXPECT_EQ(box.left, -1);
  EXPECT_EQ(box.right, 2);
  EXPECT_EQ(SelectClipRgn(canvas.dc(), nullptr), SIMPLEREGION);
  HRGN copy = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetClipRgn(canvas.dc(), copy), 0);
  DeleteObject(copy);
  DeleteObject(red);
}

TEST(Clipping, CombinedRegionsClipEveryPrimitive) {
  Canvas32 canvas(8, 3);
  IntersectClipRect(canvas.dc(), 1, 0, 7, 3);
  ExcludeClipRect(canvas.dc(), 3, 0, 5, 2);
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  RECT all{0, 0, 8, 3};
  FillRect(canvas.dc(), &all, red);
  EXPECT_EQ(canvas.Picture(RGB(255, 0, 0)),
            ".##..##.\n"
            ".##..##.\n"
            ".######.\n");
  HRGN copy = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetClipRgn(canvas.dc(), copy), 1);
  EXPECT_EQ(Box(copy).left, 1);
  RECT box;
  EXPECT_EQ(GetClipBox(canvas.dc(), &box), COMPLEXREGION);
  DeleteObject(copy);
  DeleteObject(red);
}

TEST(Clipping, ExtSelectWithoutClipStartsFromTheWholeSurface) {
  HDC dc = CreateCompatibleDC(nullptr);  // holds the 1x1 stock bitmap
  HRGN empty = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(ExtSelectClipRgn(dc, empty, RGN_DIFF), SIMPLEREGION);
  RECT box;
  GetClipBox(dc, &box);
  EXPECT_EQ(box.right, 1);
  EXPECT_EQ(ExtSelectClipRgn(dc, nullptr, RGN_AND), ERROR);
  EXPECT_EQ(ExtSelectClipRgn(dc, nullptr, RGN_COPY), SIMPLEREGION);
  EXPECT_EQ(SelectClipRgn(dc, empty), NULLREGION);
  DeleteObject(empty);
  DeleteDC(dc);
}

TEST(Clipping, FrameAndFillRegionsPaintTheirShapes) {
  Canvas32 canvas(6, 5);
  HRGN region = CreateRectRgn(0, 0, 6, 5);
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  EXPECT_TRUE(FrameRgn(canvas.dc(), region, red, 2, 1));
  EXPECT_EQ(canvas.Picture(RGB(255, 0, 0)),
            "######\n"
            "##..##\n"
            "##..##\n"
            "##..##\n"
            "######\n");
  EXPECT_TRUE(InvertRgn(canvas.dc(), region));
  EXPECT_EQ(canvas.At(2, 2), RGB(0, 0, 0));
  DeleteObject(red);
  DeleteObject(region);
}

}  // namespace

namespace {

TEST(Regions, HugeShapesAreBandedOrRefusedInsteadOfScannedRowByRow) {
  const POINT tall[] = {{0, -1000000000}, {10, -1000000000}, {10, 1000000000}, {0, 1000000000}};
  HRGN column = CreatePolygonRgn(tall, 4, ALTERNATE);
  ASSERT_NE(column, nullptr);
  EXPECT_TRUE(PtInRegion(column, 5, 999999999));
  DeleteObject(column);
  const POINT slanted[] = {{0, -1000000000}, {10, -1000000000}, {20, 1000000000}, {0, 1000000000}};
  SetLastError(0);
  EXPECT_EQ(CreatePolygonRgn(slanted, 4, ALTERNATE), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY));
  EXPECT_EQ(CreateEllipticRgn(0, 0, 1 << 30, 100), nullptr);
  HRGN tallRounded = CreateRoundRectRgn(0, 0, 100, 1 << 30, 20, 20);
  ASSERT_NE(tallRounded, nullptr);
  EXPECT_TRUE(PtInRegion(tallRounded, 0, 500000));
  EXPECT_FALSE(PtInRegion(tallRounded, 0, 0));
  DeleteObject(tallRounded);
}

TEST(Regions, RoundedCornersMatchTheEllipseOfTheCornerSize) {
  // The rows of a rounded rectangle's corners are the ellipse's rows; the rows between
  // are full width, with none missing for odd corner sizes.
  HRGN rounded = CreateRoundRectRgn(0, 0, 21, 21, 5, 5);
  HRGN ellipse = CreateEllipticRgn(0, 0, 6, 6);
  for (int y = 0; y < 20; ++y) EXPECT_TRUE(PtInRegion(rounded, 10, y)) << y;
  for (int y = 3; y < 17; ++y) EXPECT_TRUE(PtInRegion(rounded, 0, y)) << y;
  EXPECT_EQ(PtInRegion(rounded, 0, 0), PtInRegion(ellipse, 0, 0));
  EXPECT_EQ(PtInRegion(rounded, 1, 0), PtInRegion(ellipse, 1, 0));
  EXPECT_EQ(PtInRegion(rounded, 0, 1), PtInRegion(ellipse, 0, 1));
  DeleteObject(rounded);
  DeleteObject(ellipse);
}

}  // namespace
