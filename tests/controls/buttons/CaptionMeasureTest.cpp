// Measuring text with caption effects: the room a text needs, its aligned place, its extent
// and the font tests. MS Sans Serif 8 (the default font) is a raster font: a blank is 3 pixels
// wide, "&" 6, and a line 13 pixels high.
#include <gtest/gtest.h>

#include <LMDFXCaption.h>
#include <LMDUtilsText.h>
#include <TBitmap.h>

#include "../paint/PaintTestSupport.h"

namespace {

RECT Measure(const AnsiString& text, TLMD3DCaption* effect, TFont* font, bool accelChar = true, int margins = 0) {
  RECT rect{0, 0, 0, 0};
  LMDDrawTextCalc(text, effect, rect, font, false, accelChar, margins, 0);
  return rect;
}

TEST(LMDDrawTextCalc, EmptyTextAndALoneAmpersandNeedOneBlank) {
  TFont font;
  EXPECT_TRUE(SameRect(Measure("", nullptr, &font), RECT{0, 0, 3 + 2, 13 + 2}));
  EXPECT_TRUE(SameRect(Measure("&", nullptr, &font), RECT{0, 0, 3 + 2, 13 + 2}));
  EXPECT_TRUE(SameRect(Measure("&", nullptr, &font, false), RECT{0, 0, 6 + 2, 13 + 2})) << "shown as it is";
  EXPECT_TRUE(SameRect(Measure("", nullptr, &font, true, 2), RECT{0, 0, 3 + 6, 13 + 6})) << "2 · (m + 1)";
}

TEST(LMDDrawTextCalc, EffectsAddTheirDepthToWidthAndHeight) {
  TFont font;
  const RECT plain = Measure("Instaluj", nullptr, &font);
  struct {
    TLMDThreeDStyle Style;
    int Allowance;
  } const cases[] = {{tdNone, 0},         {tdSunken, 2},       {tdRaised, 2},        {tdSunkenShadow, 5},
                     {tdRaisedShadow, 5}, {tdPColorSunken, 5}, {tdPColorRaised, 5},  {tdShadow, 3},
                     {tdOutline, 3},      {tdExtrude, 3},      {tdExtrudeEnh, 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Style);
    TLMD3DCaption effect;
    effect.SetStyle(c.Style);
    effect.SetDepth(0, 2);
    effect.SetDepth(1, 3);
    const RECT rect = Measure("Instaluj", &effect, &font);
    EXPECT_EQ(rect.right, plain.right + c.Allowance);
    EXPECT_EQ(rect.bottom, plain.bottom + c.Allowance);
  }
}

TEST(LMDDrawTextCalc, TracingWordBreakAndTheStartingCorner) {
  TFont font;
  TLMD3DCaption effect;
  const RECT plain = Measure("Instaluj", &effect, &font);
  effect.SetTracing(2);
  EXPECT_EQ(Measure("Instaluj", &effect, &font).right, plain.right + 8 * 2);

  RECT narrow{10, 20, 40, 20};
  LMDDrawTextCalc("Uruchom Instaluj", nullptr, narrow, &font, true, true, 0, 0);
  EXPECT_EQ(narrow.left, 10);
  EXPECT_EQ(narrow.top, 20);
  EXPECT_EQ(narrow.bottom, 20 + 2 * 13 + 2) << "two lines";
}

TEST(LMDDrawTextCalc, UnrotatedFxEffectIsPutBackAtTheCorner) {
  TFont font;
  TLMDFxCaption effect;
  effect.SetPosXY(5, 7);
  int changes = 0;
  struct Counter : TObject {
    int* Count;
    void Changed(TObject*) { ++*Count; }
  } counter;
  counter.Count = &changes;
  effect.OnChange = TNotifyEvent(&counter, &Counter::Changed);
  Measure("Instaluj", &effect, &font);
  EXPECT_EQ(effect.PosX(), 0);
  EXPECT_EQ(effect.PosY(), 0);
  EXPECT_EQ(changes, 1);
  Measure("Instaluj", &effect, &font);
  EXPECT_EQ(changes, 1) << "measuring again changes nothing";
}

TEST(LMDDrawTextCalc, RotatedTextGetsItsBoundingBoxAndACentredPosition) {
  TFont font;
  font.SetName("Arial");
  font.SetHeight(-16);
  TLMDFxCaption effect;
  const RECT flat = Measure("TAWO", &effect, &font);
  const int w = flat.right - 2;
  const int h = flat.bottom - 2;

  effect.SetAngle(90);
  const RECT upright = Measure("TAWO", &effect, &font);
  // The rotated box keeps whole halves of the sides.
  EXPECT_TRUE(SameRect(upright, RECT{0, 0, h / 2 * 2 + 2, w / 2 * 2 + 2})) << RectText(upright);
  EXPECT_EQ(effect.PosX(), h / 2 - h / 2);
  EXPECT_EQ(effect.PosY(), w / 2 + w / 2) << "the text starts at the bottom and runs up";

  effect.SetAngle(180);
  const RECT turned = Measure("TAWO", &effect, &font);
  EXPECT_TRUE(SameRect(turned, RECT{0, 0, w / 2 * 2 + 2, h / 2 * 2 + 2})) << RectText(turned);
  EXPECT_EQ(effect.PosX(), w / 2 + w / 2);
  EXPECT_EQ(effect.PosY(), h / 2 + h / 2);

  effect.SetStyle(tdRaisedShadow);
  effect.SetDepth(1, 3);
  effect.SetAngle(90);
  const RECT deep = Measure("TAWO", &effect, &font);
  EXPECT_TRUE(SameRect(deep, RECT{0, 0, (h + 4) / 2 * 2 + 2, (w + 4) / 2 * 2 + 2})) << RectText(deep);
  EXPECT_EQ(effect.PosY(), (w + 4) / 2 + w / 2 - 1) << "pulled back by half the depth, less one";
}

TEST(LMDDrawTextCalcExt, CanvasGetsItsOwnDeviceContextBack) {
  TBitmap bitmap;
  bitmap.SetSize(20, 20);
  TCanvas& canvas = *bitmap.Canvas();
  HDC own = canvas.Handle();
  TFont font;
  font.SetColor(clRed);
  RECT rect{0, 0, 0, 0};
  LMDDrawTextCalcExt(&canvas, "Zakończ"_a, nullptr, rect, &font, false, true, 0, 0);
  EXPECT_EQ(canvas.Handle(), own);
  EXPECT_EQ(canvas.Font()->Color(), clRed) << "the canvas measured with the given font";
  canvas.SetPixel(3, 3, clBlue);
  EXPECT_EQ(canvas.Pixel(3, 3), clBlue) << "and still draws on its bitmap";
  EXPECT_GT(rect.right, 2);
}

TEST(LMDAlignRect, PlacesTheObjectInEachOfNinePlaces) {
  const RECT container{10, 20, 110, 60};
  const RECT object{0, 0, 30, 11};
  const POINT expected[] = {{10, 20}, {45, 20}, {80, 20}, {10, 34}, {45, 34},
                            {80, 34}, {10, 49}, {45, 49}, {80, 49}};
  for (int a = agTopLeft; a <= agBottomRight; ++a) {
    const RECT placed = LMDAlignRect(static_cast<TLMDAlignment>(a), object, container);
    EXPECT_TRUE(SameRect(placed, RECT{expected[a].x, expected[a].y, expected[a].x + 30, expected[a].y + 11}))
        << a << ": " << RectText(placed);
  }
  const RECT large = LMDAlignRect(agCenter, RECT{0, 0, 103, 45}, container);
  EXPECT_TRUE(SameRect(large, RECT{9, 18, 112, 63})) << "overhangs, offsets truncated toward zero";
}

TEST(LMDAlignTextRect, TheMeasuredTextAlignedInTheRectangle) {
  TFont font;
  TLMD3DCaption effect;
  effect.SetStyle(tdSunken);
  RECT measured{0, 0, 99, 0};
  LMDDrawTextCalc("Uruchom", &effect, measured, &font, false, true, 0, 0);
  const RECT placed = LMDAlignTextRect(agBottomRight, "Uruchom", &effect, RECT{0, 0, 100, 40}, &font, false, true, 0);
  EXPECT_TRUE(SameRect(placed, RECT{100 - measured.right, 40 - measured.bottom, 100, 40})) << RectText(placed);
}

TEST(LMDGet3DTextWidth, TextExtentPlusWhatTheLightAndShadowCopiesAdd) {
  TFont font;
  const int plain = LMDGet3DTextWidth("Instaluj", nullptr, &font);
  EXPECT_GT(plain, 0);
  TLMD3DCaption effect;
  effect.SetDepth(0, 2);
  effect.SetDepth(1, 3);
  const std::pair<TLMDThreeDStyle, int> cases[] = {{tdNone, 0},    {tdSunken, 2},   {tdRaisedShadow, 5},
                                                   {tdShadow, 3},  {tdOutline, 0},  {tdExtrude, 0}};
  for (const auto& [style, extra] : cases) {
    effect.SetStyle(style);
    EXPECT_EQ(LMDGet3DTextWidth("Instaluj", &effect, &font), plain + extra) << style;
    EXPECT_EQ(LMDGet3DTextHeight(&effect, &font), 13 + extra) << style;
  }
  effect.SetStyle(tdNone);
  effect.SetTracing(1);
  EXPECT_EQ(LMDGet3DTextWidth("Instaluj", &effect, &font), plain + 8);
  EXPECT_THROW(LMDGet3DTextWidth("Instaluj", &effect, nullptr), EInvalidPointer);
}

TEST(LMDGetFontHeight, HeightOfAW) {
  TFont font;
  EXPECT_EQ(LMDGetFontHeight(&font), 13);
  font.SetName("Arial");
  font.SetHeight(-20);
  EXPECT_EQ(LMDGetFontHeight(&font), 22);
}

TEST(LMDIsTrueTypeFont, RasterSansSerifIsNotArialIs) {
  TFont font;
  TBitmap bitmap;
  bitmap.SetSize(4, 4);
  EXPECT_FALSE(LMDIsTrueTypeFont(&font));
  bitmap.Canvas()->SetFont(&font);
  EXPECT_FALSE(LMDIsTrueTypeFontCheck(bitmap.Canvas()));
  font.SetName("Arial");
  EXPECT_TRUE(LMDIsTrueTypeFont(&font));
  bitmap.Canvas()->SetFont(&font);
  EXPECT_TRUE(LMDIsTrueTypeFontCheck(bitmap.Canvas()));
}

}  // namespace
