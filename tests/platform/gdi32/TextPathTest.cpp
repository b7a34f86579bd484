// Text inside a path bracket: TrueType glyph outlines become figures that StrokePath and
// FillPath draw; raster faces add nothing; nothing is painted while the path is open.
#include "GdiTestSupport.h"
#include "TextTestSupport.h"

#include <string>

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

int CountInk(const Canvas32& canvas) {
  int count = 0;
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) count += canvas.At(x, y) == kBlack;
  }
  return count;
}

// Columns of the ink in one row: the first and last painted pixel.
std::pair<int, int> RowInk(const Canvas32& canvas, int y) {
  int first = -1, last = -1;
  for (int x = 0; x < canvas.width(); ++x) {
    if (canvas.At(x, y) != kBlack) continue;
    if (first < 0) first = x;
    last = x;
  }
  return {first, last};
}

void TextInPath(HDC dc, const char* text) {
  ASSERT_TRUE(BeginPath(dc));
  ASSERT_TRUE(TextOutA(dc, 10, 5, text, static_cast<int>(std::string(text).size())));
  ASSERT_TRUE(EndPath(dc));
}

TEST(TextPath, StrokePathPaintsTheOutlineAndLeavesTheInside) {
  Canvas32 filled(80, 60), stroked(80, 60);
  ScopedFont a(filled.dc(), "Arial", -48, FW_BOLD), b(stroked.dc(), "Arial", -48, FW_BOLD);
  SetBkMode(filled.dc(), TRANSPARENT);
  TextOutA(filled.dc(), 10, 5, "I", 1);
  const int row = 30;
  const auto [stemLeft, stemRight] = RowInk(filled, row);
  ASSERT_GE(stemRight - stemLeft, 5);  // a bold stem several pixels wide

  TextInPath(stroked.dc(), "I");
  EXPECT_EQ(CountInk(stroked), 0);  // nothing painted while recording
  ASSERT_TRUE(StrokePath(stroked.dc()));
  const auto [left, right] = RowInk(stroked, row);
  EXPECT_LE(std::abs(left - stemLeft), 1);
  EXPECT_LE(std::abs(right - stemRight), 1);
  for (int x = left + 2; x <= right - 2; ++x) EXPECT_EQ(stroked.At(x, row), kWhite) << x;
  EXPECT_FALSE(StrokePath(stroked.dc()));  // the path is used up
}

TEST(TextPath, FillPathCoversWhatTextOutPaints) {
  Canvas32 filled(80, 60), path(80, 60);
  ScopedFont a(filled.dc(), "Arial", -40), b(path.dc(), "Arial", -40);
  SetBkMode(filled.dc(), TRANSPARENT);
  TextOutA(filled.dc(), 10, 5, "O", 1);
  TextInPath(path.dc(), "O");
  HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  SelectObject(path.dc(), black);
  ASSERT_TRUE(FillPath(path.dc()));
  int differing = 0;
  for (int y = 0; y < 60; ++y) {
    for (int x = 0; x < 80; ++x) differing += (filled.At(x, y) == kBlack) != (path.At(x, y) == kBlack);
  }
  EXPECT_GT(CountInk(path), 100);
  EXPECT_LT(differing, CountInk(filled) / 5);
  EXPECT_EQ(path.At(10 + 15, 5 + 20), kWhite);  // the counter of the O stays open
}

TEST(TextPath, RasterFacesAddNoOutlines) {
  Canvas32 canvas(60, 20);
  ScopedFont font(canvas.dc(), "MS Sans Serif", -11);
  TextInPath(canvas.dc(), "Raster");
  ASSERT_TRUE(StrokePath(canvas.dc()));
  EXPECT_EQ(CountInk(canvas), 0);
}

}  // namespace
