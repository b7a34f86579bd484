// Text painted with every caption effect on a memory bitmap, pixel by pixel: each effect must
// give exactly the plain text's pixels, shifted and coloured copy by copy.
#include <gtest/gtest.h>

#include <LMDFXCaption.h>

#include "CaptionTestSupport.h"

using enum TBrushStyle;
using enum TFontStyle;
using enum TLMDDisabledStyle;
using enum TLMDDrawTextStyle;
using enum TLMDThreeDOrientation;
using enum TLMDThreeDStyle;

namespace {

constexpr int kWidth = 80;
constexpr int kHeight = 30;
constexpr RECT kDest{5, 5, 75, 27};
constexpr UINT kFormat = DT_SINGLELINE;
const AnsiString kText = "Instaluj";
const TColor kGray = ColorToRGB(clGrayText);

class CaptionDrawTest : public ::testing::Test {
 protected:
  void SetUp() override {
    effect_.SetColor(0, kLight);
    effect_.SetColor(1, kShadow);
  }

  std::unique_ptr<TBitmap> Draw(const TLMD3DCaption* effect, TLMDDrawTextStyles styles, UINT format = kFormat,
                                const RECT& dest = kDest, const AnsiString& text = kText) {
    auto bitmap = MakeSurface(kWidth, kHeight, kBack);
    bitmap->Canvas()->SetFont(&font_);
    bitmap->Canvas()->Font()->SetColor(kFace);
    LMDDrawTextExt(bitmap->Canvas(), text, effect, dest, format, styles, nullptr);
    return bitmap;
  }

  // The effect must paint the plain text's copies and nothing else.
  int Mismatches(TLMDDrawTextStyles styles, const std::vector<TCopy>& copies, UINT format = kFormat) {
    const TPixelSet plain = PaintedPixels(*Draw(nullptr, {dtEnabled}, format));
    EXPECT_FALSE(plain.empty());
    return DifferentPixels(*Draw(&effect_, styles, format), *ComposeCopies(kWidth, kHeight, plain, copies));
  }

  TFont font_;
  TLMDFxCaption effect_;
};

TEST_F(CaptionDrawTest, EveryStyleDrawsItsCopiesInOrder) {
  const struct {
    TLMDThreeDStyle Style;
    int Light;
    int Shadow;
    TLMDThreeDOrientation Orientation;
    std::vector<TCopy> Copies;
  } cases[] = {
      {tdNone, 1, 1, toTopLeft, {{0, 0, kFace}}},
      {tdSunken, 2, 1, toTopLeft, {{2, 2, kLight}, {0, 0, kFace}}},
      {tdRaised, 1, 1, toTopLeft, {{0, 0, kLight}, {1, 1, kFace}}},
      {tdSunkenShadow, 1, 2, toTopLeft, {{0, 0, kShadow}, {3, 3, kLight}, {2, 2, kFace}}},
      {tdRaisedShadow, 1, 2, toTopLeft, {{3, 3, kShadow}, {0, 0, kLight}, {1, 1, kFace}}},
      {tdPColorSunken, 1, 2, toTopLeft, {{0, 0, kShadow}, {3, 3, kLight}, {2, 2, kBack}}},
      {tdPColorRaised, 1, 2, toTopLeft, {{3, 3, kShadow}, {0, 0, kLight}, {1, 1, kBack}}},
      {tdShadow, 1, 2, toTopLeft, {{2, 2, kShadow}, {0, 0, kFace}}},
      {tdExtrude, 1, 3, toTopLeft, {{1, 1, kShadow}, {2, 2, kShadow}, {3, 3, kShadow}, {3, 3, kFace}}},
      {tdExtrude, 1, 3, toBottomRight, {{3, 3, kShadow}, {2, 2, kShadow}, {1, 1, kShadow}, {1, 1, kFace}}},
      {tdExtrude, 1, 3, toBottomLeft, {{1, 3, kShadow}, {2, 2, kShadow}, {3, 1, kShadow}, {3, 1, kFace}}},
      {tdExtrude, 1, 3, toTopRight, {{3, 1, kShadow}, {2, 2, kShadow}, {1, 3, kShadow}, {1, 3, kFace}}},
      {tdExtrude, 1, 0, toTopLeft, {{0, 0, kFace}}},
      // Gradient steps 2, 1, 0 from the shadow colour toward the light one.
      {tdExtrudeEnh, 1, 3, toTopLeft, {{1, 1, 0xD4AAAA}, {2, 2, 0xAA5555}, {3, 3, kShadow}, {3, 3, kFace}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << int(c.Style) << " to " << int(c.Orientation) << " depth " << c.Shadow);
    effect_.SetStyle(c.Style);
    effect_.SetDepth(0, c.Light);
    effect_.SetDepth(1, c.Shadow);
    effect_.SetOrientation(c.Orientation);
    EXPECT_EQ(Mismatches({dtEnabled}, c.Copies), 0);
  }
}

TEST_F(CaptionDrawTest, EnhancedExtrusionResolvesTheButtonColours) {
  effect_.SetStyle(tdExtrudeEnh);
  effect_.SetDepth(1, 3);
  effect_.SetColor(0, clBtnHighlight);
  effect_.SetColor(1, clBtnShadow);
  EXPECT_EQ(Mismatches({dtEnabled}, {{1, 1, 0xD4D4D4}, {2, 2, 0xAAAAAA}, {3, 3, 0x808080}, {3, 3, kFace}}), 0);
}

TEST_F(CaptionDrawTest, RightAlignedTextMakesRoomForTheLightCopy) {
  effect_.SetStyle(tdSunken);
  effect_.SetDepth(0, 2);
  EXPECT_EQ(Mismatches({dtEnabled}, {{0, 2, kLight}, {-2, 0, kFace}}, kFormat | DT_RIGHT), 0);
}

TEST_F(CaptionDrawTest, DisabledLookFollowsTheDisabledStyle) {
  effect_.SetStyle(tdExtrude);
  effect_.SetDepth(1, 2);
  const std::vector<TCopy> sunkenGray{{1, 1, kLight}, {0, 0, kGray}};
  const std::vector<TCopy> extrudedGray{{1, 1, kShadow}, {2, 2, kShadow}, {2, 2, kGray}};
  effect_.SetDisabledStyle(ds3d);
  EXPECT_EQ(Mismatches({dtDisabled}, sunkenGray), 0);
  effect_.SetDisabledStyle(dsAuto);
  EXPECT_EQ(Mismatches({dtDisabled, dt3DDisabled}, sunkenGray), 0);
  EXPECT_EQ(Mismatches({dtDisabled}, extrudedGray), 0);
  effect_.SetDisabledStyle(dsStandard);
  EXPECT_EQ(Mismatches({dtDisabled, dt3DDisabled}, extrudedGray), 0);
  effect_.SetDisabledStyle(dsNone);
  EXPECT_EQ(Mismatches({dtDisabled}, {{1, 1, kShadow}, {2, 2, kShadow}, {2, 2, kFace}}), 0);

  auto bitmap = Draw(&effect_, {dtDisabled, dt3DDisabled});
  EXPECT_EQ(bitmap->Canvas()->Font()->Color(), kFace) << "left at the face's colour";
  EXPECT_EQ(bitmap->Canvas()->Brush()->Style(), bsClear);
}

TEST_F(CaptionDrawTest, PositionOfAnUnrotatedFxEffectMovesTheText) {
  effect_.SetStyle(tdShadow);
  effect_.SetPosXY(6, 2);
  EXPECT_EQ(Mismatches({dtEnabled}, {{7, 3, kShadow}, {6, 2, kFace}}), 0);
}

TEST_F(CaptionDrawTest, EmptyTextOrRectangleLeavesTheCanvasAlone) {
  effect_.SetStyle(tdRaisedShadow);
  for (const RECT& dest : {RECT{10, 10, 10, 20}, RECT{10, 10, 5, 20}}) {
    auto bitmap = Draw(&effect_, {dtEnabled, dtClip}, kFormat, dest);
    LMDDrawTextExt(bitmap->Canvas(), "", &effect_, kDest, kFormat, {dtEnabled, dtClip}, nullptr);
    EXPECT_TRUE(PaintedPixels(*bitmap).empty());
    EXPECT_EQ(bitmap->Canvas()->Brush()->Style(), bsSolid);
  }
}

TEST_F(CaptionDrawTest, ClippingStopsAtTheClipRectangleAndKeepsTheCallersClip) {
  effect_.SetStyle(tdRaisedShadow);
  const RECT clip{0, 0, 20, kHeight};
  for (const TLMD3DCaption* effect : {static_cast<const TLMD3DCaption*>(&effect_), (const TLMD3DCaption*)nullptr}) {
    auto bitmap = MakeSurface(kWidth, kHeight, kBack);
    HDC dc = bitmap->Canvas()->Handle();
    IntersectClipRect(dc, 0, 0, kWidth, 12);
    LMDDrawTextExt(bitmap->Canvas(), kText, effect, kDest, kFormat, {dtEnabled, dtClip}, &clip);
    RECT callerClip{};
    EXPECT_EQ(GetClipBox(dc, &callerClip), SIMPLEREGION);
    EXPECT_TRUE(SameRect(callerClip, RECT{0, 0, kWidth, 12})) << RectText(callerClip);
    SelectClipRgn(dc, nullptr);
    const RECT painted = BoundingBox(PaintedPixels(*bitmap));
    EXPECT_TRUE(painted.right <= 20 && painted.bottom <= 12) << RectText(painted);
  }
  auto bitmap = Draw(&effect_, {dtEnabled, dtClip}, kFormat, RECT{5, 5, 15, 27});
  EXPECT_LE(BoundingBox(PaintedPixels(*bitmap)).right, 15) << "the destination is the clip";
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetClipRgn(bitmap->Canvas()->Handle(), region), 0) << "and none after";
  DeleteObject(region);
}

TEST_F(CaptionDrawTest, TracingSpreadsTheCharactersAndIsTakenBackAfterwards) {
  const RECT plain = BoundingBox(PaintedPixels(*Draw(&effect_, {dtEnabled})));
  effect_.SetTracing(2);
  auto bitmap = MakeSurface(kWidth, kHeight, kBack);
  SetTextCharacterExtra(bitmap->Canvas()->Handle(), 1);
  LMDDrawTextExt(bitmap->Canvas(), kText, &effect_, kDest, kFormat, {dtEnabled}, nullptr);
  EXPECT_EQ(GetTextCharacterExtra(bitmap->Canvas()->Handle()), 1);
  const RECT spread = BoundingBox(PaintedPixels(*bitmap));
  EXPECT_EQ(spread.left, plain.left);
  EXPECT_EQ(spread.right - plain.right, 7 * 2) << "the last of 8 characters moves by 7 spacings";
}

TEST_F(CaptionDrawTest, OutlinePaintsTheGlyphsEdgesButNotTheirInside) {
  font_.SetName("Arial");
  font_.SetHeight(-28);
  font_.SetStyle(TFontStyles{fsBold});
  const RECT stem = BoundingBox(PaintedPixels(*Draw(nullptr, {dtEnabled}, kFormat, kDest, "I")));
  ASSERT_GE(stem.right - stem.left, 4) << "a bold stem wide enough to have an inside";
  effect_.SetStyle(tdOutline);
  for (int depth : {1, 2}) {
    effect_.SetDepth(1, depth);
    auto bitmap = Draw(&effect_, {dtEnabled}, kFormat, kDest, "I");
    TCanvas& canvas = *bitmap->Canvas();
    const int middle = (stem.top + stem.bottom) / 2;
    EXPECT_EQ(canvas.Pixel((stem.left + stem.right) / 2, middle), kBack) << "inside of the stem, depth " << depth;
    EXPECT_EQ(canvas.Pixel(stem.left + depth / 2, middle), kFace) << "its left edge, depth " << depth;
    EXPECT_EQ(canvas.Pen()->Width(), depth);
  }
}

TEST_F(CaptionDrawTest, RotatedTextStaysInsideTheBoxItWasMeasuredFor) {
  font_.SetName("Arial");
  font_.SetHeight(-16);
  effect_.SetStyle(tdShadow);
  for (int angle : {90, 180, 270, 45}) {
    effect_.SetAngle(angle);
    RECT box{0, 0, 0, 0};
    LMDDrawTextCalc(kText, &effect_, box, &font_, false, true, 0, 0);
    OffsetRect(&box, 2, 2);
    auto bitmap = MakeSurface(90, 90, kBack);
    bitmap->Canvas()->SetFont(&font_);
    LMDDrawTextExt(bitmap->Canvas(), kText, &effect_, box, 0, {dtEnabled}, nullptr);
    const RECT drawn = BoundingBox(PaintedPixels(*bitmap));
    EXPECT_TRUE(drawn.left >= box.left && drawn.top >= box.top && drawn.right <= box.right &&
                drawn.bottom <= box.bottom)
        << angle << ": " << RectText(drawn) << " in " << RectText(box);
    if (angle % 180 == 90) {
      EXPECT_GT(drawn.bottom - drawn.top, 2 * (drawn.right - drawn.left)) << "runs up or down, " << angle;
    }

    bitmap->Canvas()->TextOut(0, 70, "TAWO");  // the canvas font itself is not turned
    const RECT plain = BoundingBox(PaintedPixels(*bitmap));
    EXPECT_GE(plain.bottom, 70 + 12) << "upright capitals reach down to their baseline, " << angle;
  }
}

}  // namespace
