#include <gtest/gtest.h>

#include "GraphicsTestUtil.h"
#include "TBitmap.h"
#include "TCanvas.h"

using enum TBrushStyle;
using enum TPenMode;
using enum TPenStyle;

namespace {

TEST(Canvas, ShapesExcludeTheirRightAndBottomEdges) {
  TBitmap bitmap;
  MakeFilled(bitmap, 8, 8, clWhite);
  TCanvas* canvas = bitmap.Canvas();
  canvas->Brush()->SetColor(clRed);
  canvas->FillRect(RECT{1, 1, 3, 3});
  EXPECT_EQ(canvas->Pixel(2, 2), clRed);
  EXPECT_EQ(canvas->Pixel(3, 3), clWhite);

  canvas->Brush()->SetColor(clBlue);
  canvas->FrameRect(RECT{4, 4, 8, 8});  // with the brush, not the pen
  EXPECT_EQ(canvas->Pixel(4, 4), clBlue);
  EXPECT_EQ(canvas->Pixel(7, 7), clBlue);
  EXPECT_EQ(canvas->Pixel(5, 5), clWhite);

  canvas->Pen()->SetColor(clLime);
  canvas->MoveTo(0, 7);
  canvas->LineTo(3, 7);
  EXPECT_EQ(canvas->Pixel(2, 7), clLime);
  EXPECT_EQ(canvas->Pixel(3, 7), clWhite);
  EXPECT_EQ(canvas->PenPos().x, 3);
  EXPECT_EQ(canvas->Pixel(-1, 0), -1);
}

TEST(Canvas, OutlinesUseThePenAndInteriorsTheBrush) {
  TBitmap bitmap;
  MakeFilled(bitmap, 20, 10, clWhite);
  TCanvas* canvas = bitmap.Canvas();
  canvas->Pen()->SetColor(clRed);
  canvas->Brush()->SetColor(clBlue);
  canvas->Rectangle(0, 0, 5, 5);
  EXPECT_EQ(canvas->Pixel(0, 0), clRed);
  EXPECT_EQ(canvas->Pixel(4, 4), clRed);
  EXPECT_EQ(canvas->Pixel(2, 2), clBlue);
  EXPECT_EQ(canvas->Pixel(5, 5), clWhite);
  canvas->Ellipse(6, 0, 13, 7);
  EXPECT_EQ(canvas->Pixel(9, 3), clBlue);
  EXPECT_EQ(canvas->Pixel(6, 0), clWhite);
  canvas->Polygon({{14, 0}, {19, 0}, {19, 5}});
  EXPECT_EQ(canvas->Pixel(18, 1), clBlue);
  EXPECT_EQ(canvas->Pixel(14, 4), clWhite);

  canvas->Brush()->SetColor(clYellow);
  canvas->TextRect(RECT{0, 6, 4, 10}, 0, 6, "");
  EXPECT_EQ(canvas->Pixel(3, 9), clYellow);
  canvas->Brush()->SetColor(clLime);
  canvas->Brush()->SetStyle(bsClear);
  canvas->TextRect(RECT{0, 6, 4, 10}, 0, 6, "");
  EXPECT_EQ(canvas->Pixel(3, 9), clYellow);  // a clear brush leaves the rectangle alone
}

TEST(Canvas, PenModeAndStyleReachTheDc) {
  TBitmap bitmap;
  MakeFilled(bitmap, 4, 4, clWhite);
  TCanvas* canvas = bitmap.Canvas();
  canvas->Pen()->SetMode(pmXor);
  canvas->Pen()->SetColor(clWhite);
  canvas->MoveTo(0, 1);
  canvas->LineTo(4, 1);
  EXPECT_EQ(canvas->Pixel(1, 1), clBlack);
  EXPECT_EQ(GetROP2(canvas->Handle()), R2_XORPEN);
  canvas->MoveTo(0, 1);
  canvas->LineTo(4, 1);
  EXPECT_EQ(canvas->Pixel(1, 1), clWhite);

  canvas->Pen()->SetMode(pmCopy);
  canvas->Pen()->SetStyle(psClear);
  canvas->Brush()->SetStyle(bsClear);
  canvas->Rectangle(0, 0, 4, 4);  // neither outline nor fill
  EXPECT_EQ(canvas->Pixel(0, 0), clWhite);
  canvas->Brush()->SetColor(clRed);  // a colour on a clear brush makes it solid
  EXPECT_EQ(canvas->Brush()->Style(), bsSolid);
}

TEST(Canvas, FontIsSelectedAgainAfterItChanges) {
  TBitmap bitmap;
  MakeFilled(bitmap, 40, 20, clWhite);
  TCanvas* canvas = bitmap.Canvas();
  const int width = canvas->TextWidth("Wg");
  EXPECT_GT(width, 0);
  EXPECT_EQ(GetCurrentObject(canvas->Handle(), OBJ_FONT), canvas->Font()->Handle());
  canvas->Font()->SetHeight(-20);
  EXPECT_GT(canvas->TextWidth("Wg"), width);
  EXPECT_EQ(GetCurrentObject(canvas->Handle(), OBJ_FONT), canvas->Font()->Handle());

  canvas->TextOut(2, 3, "Wg");
  EXPECT_EQ(canvas->PenPos().x, 2 + canvas->TextWidth("Wg"));
  EXPECT_EQ(canvas->PenPos().y, 3);
}

TEST(Canvas, CopyRectAppliesTheCopyMode) {
  TBitmap source;
  MakeFilled(source, 2, 1, clYellow);
  source.Canvas()->SetPixel(1, 0, clAqua);
  TBitmap dest;
  MakeFilled(dest, 2, 1, clFuchsia);
  dest.Canvas()->SetCopyMode(cmSrcAnd);
  dest.Canvas()->CopyRect(RECT{0, 0, 2, 1}, source.Canvas(), RECT{0, 0, 2, 1});
  EXPECT_EQ(dest.Canvas()->Pixel(0, 0), clYellow & clFuchsia);  // red
  EXPECT_EQ(dest.Canvas()->Pixel(1, 0), clAqua & clFuchsia);    // blue
}

TEST(Canvas, BrushCopyReplacesOneColourByTheBrush) {
  TBitmap glyph;
  MakeFilled(glyph, 3, 1, clOlive);
  glyph.Canvas()->SetPixel(1, 0, clNavy);
  TBitmap dest;
  MakeFilled(dest, 3, 1, clWhite);
  dest.Canvas()->Brush()->SetColor(clSilver);
  dest.Canvas()->BrushCopy(RECT{0, 0, 3, 1}, &glyph, RECT{0, 0, 3, 1}, clOlive);
  EXPECT_EQ(dest.Canvas()->Pixel(0, 0), clSilver);
  EXPECT_EQ(dest.Canvas()->Pixel(1, 0), clNavy);
  EXPECT_EQ(dest.Canvas()->Pixel(2, 0), clSilver);
}

TEST(Canvas, DrawHonoursATransparentBitmap) {
  TBitmap sprite;
  MakeFilled(sprite, 3, 3, clRed);  // bottom-left red: the transparent colour
  sprite.Canvas()->SetPixel(1, 1, clGreen);
  TBitmap dest;
  MakeFilled(dest, 5, 5, clBlue);

  dest.Canvas()->Draw(1, 1, &sprite);
  EXPECT_EQ(dest.Canvas()->Pixel(1, 1), clRed);  // opaque copy
  sprite.SetTransparent(true);
  MakeFilled(dest, 5, 5, clBlue);
  dest.Canvas()->Draw(1, 1, &sprite);
  EXPECT_EQ(dest.Canvas()->Pixel(1, 1), clBlue);
  EXPECT_EQ(dest.Canvas()->Pixel(3, 3), clBlue);
  EXPECT_EQ(dest.Canvas()->Pixel(2, 2), clGreen);
  EXPECT_EQ(dest.Canvas()->Pixel(0, 0), clBlue);

  MakeFilled(dest, 6, 6, clBlue);
  dest.Canvas()->StretchDraw(RECT{0, 0, 6, 6}, &sprite);
  EXPECT_EQ(dest.Canvas()->Pixel(2, 2), clGreen);
  EXPECT_EQ(dest.Canvas()->Pixel(3, 3), clGreen);
  EXPECT_EQ(dest.Canvas()->Pixel(1, 1), clBlue);
  EXPECT_EQ(dest.Canvas()->Pixel(4, 4), clBlue);
}

TEST(Canvas, MonochromeBitmapTakesTheCanvasColours) {
  TBitmap mono;
  MakeFilled(mono, 2, 1, clWhite);
  mono.Canvas()->SetPixel(0, 0, clBlack);
  mono.SetMonochrome(true);
  TBitmap dest;
  MakeFilled(dest, 2, 1, clWhite);
  dest.Canvas()->Brush()->SetColor(clYellow);
  dest.Canvas()->Font()->SetColor(clMaroon);
  dest.Canvas()->Draw(0, 0, &mono);
  EXPECT_EQ(dest.Canvas()->Pixel(0, 0), clMaroon);  // 0-bits: text colour
  EXPECT_EQ(dest.Canvas()->Pixel(1, 0), clYellow);  // 1-bits: background colour
}

TEST(Canvas, CopyRectFromAMonochromeBitmapUsesTheDestinationColours) {
  TBitmap mono;
  MakeFilled(mono, 2, 1, clWhite);
  mono.Canvas()->SetPixel(1, 0, clBlack);
  mono.SetMonochrome(true);
  TBitmap dest;
  MakeFilled(dest, 2, 1, clWhite);
  dest.Canvas()->Brush()->SetColor(clAqua);  // background colour of the DC
  dest.Canvas()->Font()->SetColor(clNavy);   // text colour of the DC
  dest.Canvas()->CopyRect(RECT{0, 0, 2, 1}, mono.Canvas(), RECT{0, 0, 2, 1});
  EXPECT_EQ(dest.Canvas()->Pixel(0, 0), clAqua);
  EXPECT_EQ(dest.Canvas()->Pixel(1, 0), clNavy);
  EXPECT_EQ(mono.Canvas()->Pixel(0, 0), clWhite);  // the image's own colours are back
}

TEST(Canvas, CanvasWithoutADcRefusesToDraw) {
  TCanvas canvas;
  EXPECT_THROW(canvas.FillRect(RECT{0, 0, 1, 1}), EInvalidOperation);
  HDC dc = CreateCompatibleDC(nullptr);
  canvas.SetHandle(dc);
  canvas.Lock();
  EXPECT_EQ(canvas.LockCount(), 1);
  canvas.Unlock();
  HGDIOBJ original = GetCurrentObject(dc, OBJ_PEN);
  canvas.LineTo(1, 1);
  EXPECT_NE(GetCurrentObject(dc, OBJ_PEN), original);
  canvas.SetHandle(nullptr);  // detaching restores the DC's own objects
  EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), original);
  DeleteDC(dc);
}

}  // namespace
