#include "ShapeTestSupport.h"

#include "DeviceContext.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

struct PathCanvas : Canvas32 {
  PathCanvas(int width, int height, int penWidth = 1)
      : Canvas32(width, height), pen(dc(), CreatePen(PS_SOLID, penWidth, kRed)), brush(dc(), CreateSolidBrush(kBlue)) {}
  std::string Picture() const { return Colours(*this, {{kRed, 'R'}, {kBlue, 'B'}}); }
  void RecordRectangle(int left, int top, int right, int bottom) {
    BeginPath(dc());
    Rectangle(dc(), left, top, right, bottom);
    EndPath(dc());
  }
  Selected pen;
  Selected brush;
};

TEST(Path, DrawingInsideAnOpenPathPaintsNothingButMovesThePosition) {
  PathCanvas canvas(8, 8);
  EXPECT_TRUE(BeginPath(canvas.dc()));
  const POINT triangle[] = {{1, 1}, {6, 1}, {1, 6}};
  EXPECT_TRUE(Rectangle(canvas.dc(), 0, 0, 8, 8));
  EXPECT_TRUE(Ellipse(canvas.dc(), 0, 0, 8, 8));
  EXPECT_TRUE(Polygon(canvas.dc(), triangle, 3));
  EXPECT_TRUE(Polyline(canvas.dc(), triangle, 3));
  EXPECT_TRUE(MoveToEx(canvas.dc(), 2, 2, nullptr));
  EXPECT_TRUE(LineTo(canvas.dc(), 5, 5));
  EXPECT_TRUE(Pie(canvas.dc(), 0, 0, 8, 8, 8, 4, 4, 0));
  EXPECT_EQ(CountPixels(canvas, kWhite), 64);
  POINT position{};
  GetCurrentPositionEx(canvas.dc(), &position);
  EXPECT_EQ(position.x, 5);
  EXPECT_EQ(position.y, 5);
  EXPECT_TRUE(AbortPath(canvas.dc()));
}

TEST(Path, StrokePathDrawsTheOutlineOnlyAndDiscardsThePath) {
  PathCanvas canvas(7, 6);
  canvas.RecordRectangle(1, 1, 6, 5);
  EXPECT_TRUE(StrokePath(canvas.dc()));
  EXPECT_EQ(canvas.Picture(),
            ".......\n"
            ".RRRRR.\n"
            ".R...R.\n"
            ".R...R.\n"
            ".RRRRR.\n"
            ".......\n");
  SetLastError(0);
  EXPECT_FALSE(StrokePath(canvas.dc()));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CAN_NOT_COMPLETE));
}

TEST(Path, FillPathUsesTheBrushAndThePolygonRule) {
  PathCanvas canvas(7, 6);
  canvas.RecordRectangle(1, 1, 6, 5);
  EXPECT_TRUE(FillPath(canvas.dc()));
  EXPECT_EQ(canvas.Picture(),
            ".......\n"
            ".BBBB..\n"
            ".BBBB..\n"
            ".BBBB..\n"
            ".......\n"
            ".......\n");

  const POINT star[] = {{10, 0}, {16, 19}, {0, 7}, {20, 7}, {4, 19}};
  PathCanvas stars(21, 20);
  for (int mode : {ALTERNATE, WINDING}) {
    stars.Fill(kWhite);
    SetPolyFillMode(stars.dc(), mode);
    BeginPath(stars.dc());
    Polygon(stars.dc(), star, 5);
    EndPath(stars.dc());
    FillPath(stars.dc());
    EXPECT_EQ(stars.At(10, 10), mode == WINDING ? kBlue : kWhite);
    EXPECT_EQ(stars.At(10, 3), kBlue);
  }
}

TEST(Path, StrokeAndFillPathFillsThenStrokes) {
  PathCanvas canvas(7, 6);
  canvas.RecordRectangle(1, 1, 6, 5);
  EXPECT_TRUE(StrokeAndFillPath(canvas.dc()));
  EXPECT_EQ(canvas.Picture(),
            ".......\n"
            ".RRRRR.\n"
            ".RBBBR.\n"
            ".RBBBR.\n"
            ".RRRRR.\n"
            ".......\n");
}

TEST(Path, CloseFigureJoinsTheLastPointToTheFirst) {
  PathCanvas open(6, 6);
  BeginPath(open.dc());
  MoveToEx(open.dc(), 1, 1, nullptr);
  LineTo(open.dc(), 5, 1);
  LineTo(open.dc(), 5, 5);
  EndPath(open.dc());
  StrokePath(open.dc());
  EXPECT_EQ(open.At(3, 3), kWhite);

  PathCanvas closed(6, 6);
  BeginPath(closed.dc());
  MoveToEx(closed.dc(), 1, 1, nullptr);
  LineTo(closed.dc(), 5, 1);
  LineTo(closed.dc(), 5, 5);
  EXPECT_TRUE(CloseFigure(closed.dc()));
  EndPath(closed.dc());
  StrokePath(closed.dc());
  EXPECT_EQ(closed.Picture(),
            "......\n"
            ".RRRRR\n"
            "..R..R\n"
            "...R.R\n"
            "....RR\n"
            ".....R\n");
}

TEST(Path, WidePenStrokeIsCentredAndPaintedOnce) {
  Canvas32 copied(12, 12, kBlack);
  Canvas32 xored(12, 12, kBlack);
  for (Canvas32* canvas : {&copied, &xored}) {
    Selected pen(canvas->dc(), CreatePen(PS_SOLID, 3, kWhite));
    if (canvas == &xored) SetROP2(canvas->dc(), R2_XORPEN);
    BeginPath(canvas->dc());
    Rectangle(canvas->dc(), 2, 2, 10, 10);
    Rectangle(canvas->dc(), 3, 3, 8, 8);  // overlaps the first outline
    EndPath(canvas->dc());
    EXPECT_TRUE(StrokePath(canvas->dc()));
  }
  EXPECT_EQ(xored.Picture(kWhite), copied.Picture(kWhite));
  EXPECT_EQ(copied.At(1, 5), kWhite);  // half the width outside the outline at x = 2
  EXPECT_EQ(copied.At(0, 5), kBlack);
  EXPECT_EQ(copied.At(5, 5), kBlack);  // the inside stays
}

TEST(Path, BracketErrorsAreReportedAsCannotComplete) {
  PathCanvas canvas(4, 4);
  SetLastError(0);
  EXPECT_FALSE(EndPath(canvas.dc()));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CAN_NOT_COMPLETE));
  EXPECT_FALSE(CloseFigure(canvas.dc()));
  EXPECT_FALSE(FillPath(canvas.dc()));
  BeginPath(canvas.dc());
  Rectangle(canvas.dc(), 0, 0, 4, 4);
  SetLastError(0);
  EXPECT_FALSE(StrokePath(canvas.dc()));  // still open
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CAN_NOT_COMPLETE));
  EXPECT_TRUE(AbortPath(canvas.dc()));
  EXPECT_FALSE(EndPath(canvas.dc()));
  EXPECT_FALSE(BeginPath(nullptr));
  EXPECT_FALSE(StrokePath(nullptr));
  EXPECT_EQ(CountPixels(canvas, kWhite), 16);
}

TEST(Path, BeginPathStartsAfreshAndTheFirstLineStartsAtTheCurrentPosition) {
  PathCanvas canvas(6, 3);
  BeginPath(canvas.dc());
  Rectangle(canvas.dc(), 0, 0, 6, 3);
  MoveToEx(canvas.dc(), 1, 1, nullptr);
  BeginPath(canvas.dc());  // discards the rectangle
  LineTo(canvas.dc(), 5, 1);
  EndPath(canvas.dc());
  StrokePath(canvas.dc());
  EXPECT_EQ(canvas.Picture(), "......\n.RRRR.\n......\n");
}

// Text adds glyph contours to the open path through the path's own interface.
TEST(Path, ClosedFiguresAddedDirectlyAreFilledLikePolygons) {
  PathCanvas canvas(6, 6);
  BeginPath(canvas.dc());
  DeviceContext::FromHandle(canvas.dc())->CurrentPath()->AddClosedFigure({{1, 1}, {5, 1}, {5, 5}, {1, 5}});
  EndPath(canvas.dc());
  FillPath(canvas.dc());
  EXPECT_EQ(canvas.Picture(),
            "......\n"
            ".BBBB.\n"
            ".BBBB.\n"
            ".BBBB.\n"
            ".BBBB.\n"
            "......\n");
}

}  // namespace
