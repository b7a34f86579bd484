// Measuring text with caption effects: the room a text needs, its aligned place, its extent
// and the font tests. MS Sans Serif 8 (the default font) is a raster font: a blank is 3 pixels
// wide, "&" 6, and a line 13 pixels high.
#include <gtest/gtest.h>

#include <LMDFXCaption.h>
#include <LMDUtilsText.h>
#include <TBitmap.h>

#include "../paint/PaintTestSupport.h"

using enum TLMDAlignment;
using enum TLMDThreeDStyle;

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

TEST(LMDDrawTextCalc, EffectsAddTheirDepthAndTracingItsSpacing) {
  TFont font;
  const RECT plain = Measure("Instaluj", nullptr, &font);
  const int allowances[] = {0, 2, 2, 5, 5, 5, 5, 3, 3, 3, 3};  // by style, light depth 2, shadow depth 3
  TLMD3DCaption effect;
  effect.SetDepth(0, 2);
  effect.SetDepth(1, 3);
  for (int style = static_cast<int>(tdNone); style <= static_cast<int>(tdExtrudeEnh); ++style) {
    effect.SetStyle(static_cast<TLMDThreeDStyle>(style));
    const RECT rect = Measure("Instaluj", &effect, &font);
    EXPECT_EQ(rect.right, plain.right + allowances[style]) << style;
    EXPECT_EQ(rect.bottom, plain.bottom + allowances[style]) << style;
  }
  effect.SetStyle(tdNone);
  effect.SetTracing(2);
  EXPECT_EQ(Measure("Instaluj", &effect, &font).right, plain.right + 8 * 2);

  RECT narrow{10, 20, 40, 20};
  LMDDrawTextCalc("Uruchom Instaluj", nullptr, narrow, &font, true, true, 0, 0);
  EXPECT_TRUE(SameRect(narrow, RECT{10, 20, narrow.right, 20 + 2 * 13 + 2})) << "two lines from the corner";
}

TEST(LMDDrawTextCalc, RotatedTextGetsItsBoundingBoxAndACentredPosition) {
  TFont font;
  font.SetName("Arial");
  font.SetHeight(-16);
  TLMDFxCaption effect;
  effect.SetPosXY(5, 7);
  const RECT flat = Measure("TAWO", &effect, &font);
  EXPECT_EQ(effect.PosX() + effect.PosY(), 0) << "unrotated text goes back to the corner";
  const int w = flat.right - 2;
  const int h = flat.bottom - 2;

  // The rotated box keeps whole halves of the sides.
  effect.SetAngle(90);
  EXPECT_TRUE(SameRect(Measure("TAWO", &effect, &font), RECT{0, 0, h / 2 * 2 + 2, w / 2 * 2 + 2}));
  EXPECT_EQ(effect.PosX(), 0);
  EXPECT_EQ(effect.PosY(), w / 2 * 2) << "the text starts at the bottom and runs up";
  effect.SetAngle(180);
  EXPECT_TRUE(SameRect(Measure("TAWO", &effect, &font), RECT{0, 0, w / 2 * 2 + 2, h / 2 * 2 + 2}));
  EXPECT_EQ(effect.PosX(), w / 2 * 2);
  EXPECT_EQ(effect.PosY(), h / 2 * 2);

  effect.SetStyle(tdRaisedShadow);
  effect.SetDepth(1, 3);
  effect.SetAngle(90);
  EXPECT_TRUE(SameRect(Measure("TAWO", &effect, &font), RECT{0, 0, (h + 4) / 2 * 2 + 2, (w + 4) / 2 * 2 + 2}));
  EXPECT_EQ(effect.PosY(), (w + 4) / 2 + w / 2 - 1) << "pulled back by half the depth, less one";
}

TEST(LMDDrawTextCalcExt, CanvasGetsItsOwnDeviceContextBack) {
  TBitmap bitmap;
  bitmap.SetSize(20, 20);
  TCanvas& canvas = *bitmap.Canvas();
  HDC own = canvas.Handle();
  RECT rect{0, 0, 0, 0};
  LMDDrawTextCalcExt(&canvas, "Zakończ"_a, nullptr, rect, nullptr, false, true, 0, 0);
  EXPECT_EQ(canvas.Handle(), own);
  canvas.SetPixel(3, 3, clBlue);
  EXPECT_EQ(canvas.Pixel(3, 3), clBlue) << "and still draws on its bitmap";
}

TEST(LMDAlignRect, PlacesTheObjectInEachOfNinePlaces) {
  const RECT container{10, 20, 110, 60};
  const POINT corners[] = {{10, 20}, {45, 20}, {80, 20}, {10, 34}, {45, 34}, {80, 34}, {10, 49}, {45, 49}, {80, 49}};
  for (int a = static_cast<int>(agTopLeft); a <= static_cast<int>(agBottomRight); ++a) {
    const RECT placed = LMDAlignRect(static_cast<TLMDAlignment>(a), RECT{0, 0, 30, 11}, container);
    EXPECT_TRUE(SameRect(placed, RECT{corners[a].x, corners[a].y, corners[a].x + 30, corners[a].y + 11})) << a;
  }
  EXPECT_TRUE(SameRect(LMDAlignRect(agCenter, RECT{0, 0, 103, 45}, container), RECT{9, 18, 112, 63}))
      << "a larger object overhangs, offsets truncated toward zero";

  TFont font;
  RECT measured{0, 0, 99, 0};
  LMDDrawTextCalc("Uruchom", nullptr, measured, &font, false, true, 0, 0);
  const RECT text = LMDAlignTextRect(agBottomRight, "Uruchom", nullptr, RECT{0, 0, 100, 40}, &font, false, true, 0);
  EXPECT_TRUE(SameRect(text, RECT{100 - measured.right, 40 - measured.bottom, 100, 40})) << RectText(text);
}

TEST(LMDGet3DTextWidth, TextExtentPlusWhatTheLightAndShadowCopiesAdd) {
  TFont font;
  const int plain = LMDGet3DTextWidth("Instaluj", nullptr, &font);
  EXPECT_GT(plain, 0);
  TLMD3DCaption effect;
  effect.SetDepth(0, 2);
  effect.SetDepth(1, 3);
  const int extras[] = {0, 2, 2, 5, 5, 5, 5, 3, 0, 0, 0};  // outlines and extrusions add nothing
  for (int style = static_cast<int>(tdNone); style <= static_cast<int>(tdExtrudeEnh); ++style) {
    effect.SetStyle(static_cast<TLMDThreeDStyle>(style));
    EXPECT_EQ(LMDGet3DTextWidth("Instaluj", &effect, &font), plain + extras[style]) << style;
    EXPECT_EQ(LMDGet3DTextHeight(&effect, &font), 13 + extras[style]) << style;
  }
  effect.SetStyle(tdNone);
  effect.SetTracing(1);
  EXPECT_EQ(LMDGet3DTextWidth("Instaluj", &effect, &font), plain + 8);
  EXPECT_THROW(LMDGet3DTextWidth("Instaluj", &effect, nullptr), EInvalidPointer);
}

TEST(LMDGetFontHeight, HeightOfAWAndWhetherTheFontIsTrueType) {
  TFont font;
  TBitmap bitmap;
  EXPECT_EQ(LMDGetFontHeight(&font), 13);
  EXPECT_FALSE(LMDIsTrueTypeFont(&font));
  EXPECT_FALSE(LMDIsTrueTypeFontCheck(bitmap.Canvas()));
  font.SetName("Arial");
  font.SetHeight(-20);
  EXPECT_EQ(LMDGetFontHeight(&font), 22);
  EXPECT_TRUE(LMDIsTrueTypeFont(&font));
  bitmap.Canvas()->SetFont(&font);
  EXPECT_TRUE(LMDIsTrueTypeFontCheck(bitmap.Canvas()));
}

}  // namespace
