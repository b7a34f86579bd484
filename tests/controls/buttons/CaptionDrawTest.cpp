// Text painted with every caption effect on a memory bitmap, pixel by pixel: each effect must
// give exactly the plain text's pixels, shifted and coloured copy by copy.
#include <gtest/gtest.h>

#include <LMDFXCaption.h>
#include <LMDUtils.h>

#include "CaptionTestSupport.h"

#include <functional>

namespace {

constexpr int kWidth = 80;
constexpr int kHeight = 30;
constexpr RECT kDest{5, 5, 75, 27};
constexpr UINT kFormat = DT_SINGLELINE;
const AnsiString kText = "Instaluj";

class CaptionDrawTest : public ::testing::Test {
 protected:
  void SetUp() override { UseTestColours(effect_); }

  static void UseTestColours(TLMD3DCaption& effect) {
    effect.SetColor(0, kLight);
    effect.SetColor(1, kShadow);
  }

  std::unique_ptr<TBitmap> Draw(const TLMD3DCaption* effect, TLMDDrawTextStyles styles, UINT format = kFormat,
                                const RECT* clip = nullptr) {
    auto bitmap = MakeSurface(kWidth, kHeight, kBack);
    bitmap->Canvas()->SetFont(&font_);
    bitmap->Canvas()->Font()->SetColor(kFace);
    LMDDrawTextExt(bitmap->Canvas(), kText, effect, kDest, format, styles, clip);
    return bitmap;
  }

  // The effect drawn must show the plain text's copies, nothing else.
  void ExpectCopies(TLMDDrawTextStyles styles, const std::vector<TCopy>& copies, UINT format = kFormat) {
    ExpectCopiesOf(effect_, styles, copies, format);
  }

  void ExpectCopiesOf(const TLMD3DCaption& effect, TLMDDrawTextStyles styles, const std::vector<TCopy>& copies,
                      UINT format = kFormat) {
    auto actual = Draw(&effect, styles, format);
    const TPixelSet plain = PlainTextPixels(kWidth, kHeight, &font_, kText, kDest, format);
    ASSERT_FALSE(plain.empty());
    auto expected = ComposeCopies(kWidth, kHeight, plain, copies);
    EXPECT_EQ(PictureDifference(*actual, *expected), "");
  }

  TFont font_;
  TLMDFxCaption effect_;
};

struct TStyleCase {
  const char* Name;
  std::function<void(TLMD3DCaption&)> Setup;
  std::vector<TCopy> Copies;
};

TEST_F(CaptionDrawTest, EveryStyleDrawsItsCopiesInOrder) {
  const TStyleCase cases[] = {
      {"none", [](TLMD3DCaption& e) { e.SetStyle(tdNone); }, {{0, 0, kFace}}},
      {"sunken, light depth 2",
       [](TLMD3DCaption& e) {
         e.SetStyle(tdSunken);
         e.SetDepth(0, 2);
       },
       {{2, 2, kLight}, {0, 0, kFace}}},
      {"raised", [](TLMD3DCaption& e) { e.SetStyle(tdRaised); }, {{0, 0, kLight}, {1, 1, kFace}}},
      {"sunken shadow, 1 and 2",
       [](TLMD3DCaption& e) {
         e.SetStyle(tdSunkenShadow);
         e.SetDepth(1, 2);
       },
       {{0, 0, kShadow}, {3, 3, kLight}, {2, 2, kFace}}},
      {"raised shadow, 1 and 2",
       [](TLMD3DCaption& e) {
         e.SetStyle(tdRaisedShadow);
         e.SetDepth(1, 2);
       },
       {{3, 3, kShadow}, {0, 0, kLight}, {1, 1, kFace}}},
      {"shadow, depth 2",
       [](TLMD3DCaption& e) {
         e.SetStyle(tdShadow);
         e.SetDepth(1, 2);
       },
       {{2, 2, kShadow}, {0, 0, kFace}}},
      {"extrude to the top left, depth 3",
       [](TLMD3DCaption& e) {
         e.SetStyle(tdExtrude);
         e.SetDepth(1, 3);
       },
       {{1, 1, kShadow}, {2, 2, kShadow}, {3, 3, kShadow}, {3, 3, kFace}}},
      {"extrude to the bottom right",
       [](TLMD3DCaption& e) {
         e.SetStyle(tdExtrude);
         e.SetDepth(1, 3);
         e.SetOrientation(toBottomRight);
       },
       {{3, 3, kShadow}, {2, 2, kShadow}, {1, 1, kShadow}, {1, 1, kFace}}},
      {"extrude to the bottom left",
       [](TLMD3DCaption& e) {
         e.SetStyle(tdExtrude);
         e.SetDepth(1, 3);
         e.SetOrientation(toBottomLeft);
       },
       {{1, 3, kShadow}, {2, 2, kShadow}, {3, 1, kShadow}, {3, 1, kFace}}},
      {"extrude to the top right",
       [](TLMD3DCaption& e) {
         e.SetStyle(tdExtrude);
         e.SetDepth(1, 3);
         e.SetOrientation(toTopRight);
       },
       {{3, 1, kShadow}, {2, 2, kShadow}, {1, 3, kShadow}, {1, 3, kFace}}},
      {"extrude of depth 0",
       [](TLMD3DCaption& e) {
         e.SetStyle(tdExtrude);
         e.SetDepth(1, 0);
       },
       {{0, 0, kFace}}},
      {"enhanced extrusion: light far away, shadow next to the face",
       [](TLMD3DCaption& e) {
         e.SetStyle(tdExtrudeEnh);
         e.SetDepth(1, 3);
       },
       {{1, 1, 0xD4AAAA}, {2, 2, 0xAA5555}, {3, 3, kShadow}, {3, 3, kFace}}},
      {"enhanced extrusion in the button colours",
       [](TLMD3DCaption& e) {
         e.SetStyle(tdExtrudeEnh);
         e.SetDepth(1, 3);
         e.SetColor(0, clBtnHighlight);
         e.SetColor(1, clBtnShadow);
       },
       {{1, 1, 0xD4D4D4}, {2, 2, 0xAAAAAA}, {3, 3, 0x808080}, {3, 3, kFace}}},
  };
  for (const TStyleCase& style : cases) {
    SCOPED_TRACE(style.Name);
    TLMD3DCaption effect;
    UseTestColours(effect);
    style.Setup(effect);
    ExpectCopiesOf(effect, TLMDDrawTextStyles{dtEnabled}, style.Copies);
  }
}

TEST_F(CaptionDrawTest, BackgroundColouredFaceCutsIntoItsCopies) {
  effect_.SetStyle(tdPColorRaised);
  effect_.SetDepth(1, 2);
  ExpectCopies(TLMDDrawTextStyles{dtEnabled}, {{3, 3, kShadow}, {0, 0, kLight}, {1, 1, kBack}});
  effect_.SetStyle(tdPColorSunken);
  ExpectCopies(TLMDDrawTextStyles{dtEnabled}, {{0, 0, kShadow}, {3, 3, kLight}, {2, 2, kBack}});
}

TEST_F(CaptionDrawTest, RightAlignedTextMakesRoomForTheLightCopy) {
  effect_.SetStyle(tdSunken);
  effect_.SetDepth(0, 2);
  ExpectCopies(TLMDDrawTextStyles{dtEnabled}, {{0, 2, kLight}, {-2, 0, kFace}}, kFormat | DT_RIGHT);
}

TEST_F(CaptionDrawTest, DisabledLookFollowsTheDisabledStyle) {
  const TColor gray = ColorToRGB(clGrayText);
  effect_.SetStyle(tdExtrude);
  effect_.SetDepth(1, 2);
  const std::vector<TCopy> sunkenGray{{1, 1, kLight}, {0, 0, gray}};
  const std::vector<TCopy> extrudedGray{{1, 1, kShadow}, {2, 2, kShadow}, {2, 2, gray}};

  effect_.SetDisabledStyle(ds3d);
  ExpectCopies(TLMDDrawTextStyles{dtDisabled}, sunkenGray);
  effect_.SetDisabledStyle(dsAuto);
  ExpectCopies(TLMDDrawTextStyles{dtDisabled, dt3DDisabled}, sunkenGray);
  ExpectCopies(TLMDDrawTextStyles{dtDisabled}, extrudedGray);
  effect_.SetDisabledStyle(dsStandard);
  ExpectCopies(TLMDDrawTextStyles{dtDisabled, dt3DDisabled}, extrudedGray);
  effect_.SetDisabledStyle(dsNone);
  ExpectCopies(TLMDDrawTextStyles{dtDisabled}, {{1, 1, kShadow}, {2, 2, kShadow}, {2, 2, kFace}});
}

TEST_F(CaptionDrawTest, PositionOfAnUnrotatedFxEffectMovesTheText) {
  effect_.SetStyle(tdShadow);
  effect_.SetPosXY(6, 2);
  ExpectCopies(TLMDDrawTextStyles{dtEnabled}, {{7, 3, kShadow}, {6, 2, kFace}});

  TLMD3DCaption plain;
  plain.SetStyle(tdShadow);
  plain.SetColor(1, kShadow);
  auto actual = Draw(&plain, TLMDDrawTextStyles{dtEnabled});
  const TPixelSet text = PlainTextPixels(kWidth, kHeight, &font_, kText, kDest, kFormat);
  auto expected = ComposeCopies(kWidth, kHeight, text, {{1, 1, kShadow}, {0, 0, kFace}});
  EXPECT_EQ(PictureDifference(*actual, *expected), "") << "a plain effect has no position";
}

TEST_F(CaptionDrawTest, EmptyTextOrRectangleLeavesTheCanvasAlone) {
  effect_.SetStyle(tdRaisedShadow);
  for (const RECT& dest : {kDest, RECT{10, 10, 10, 20}, RECT{10, 10, 5, 20}}) {
    auto bitmap = MakeSurface(kWidth, kHeight, kBack);
    TCanvas& canvas = *bitmap->Canvas();
    canvas.Font()->SetColor(kFace);
    const AnsiString text = dest.right > dest.left ? AnsiString() : kText;
    LMDDrawTextExt(&canvas, text, &effect_, dest, kFormat, TLMDDrawTextStyles{dtEnabled, dtClip}, nullptr);
    EXPECT_TRUE(PaintedPixels(*bitmap, kBack).empty());
    EXPECT_EQ(canvas.Brush()->Style(), bsSolid);
    EXPECT_EQ(canvas.Font()->Color(), kFace);
  }
}

TEST_F(CaptionDrawTest, CanvasKeepsTheFaceColourAndAClearBrush) {
  effect_.SetStyle(tdSunken);
  auto bitmap = Draw(&effect_, TLMDDrawTextStyles{dtDisabled, dt3DDisabled});
  EXPECT_EQ(bitmap->Canvas()->Font()->Color(), clGrayText);
  EXPECT_EQ(bitmap->Canvas()->Brush()->Style(), bsClear);
}

TEST_F(CaptionDrawTest, ClippingStopsAtTheClipRectangleAndKeepsTheCallersClip) {
  effect_.SetStyle(tdRaisedShadow);
  const RECT clip{0, 0, 20, kHeight};
  for (const TLMD3DCaption* effect : {static_cast<const TLMD3DCaption*>(&effect_),
                                      static_cast<const TLMD3DCaption*>(nullptr)}) {
    auto bitmap = MakeSurface(kWidth, kHeight, kBack);
    TCanvas& canvas = *bitmap->Canvas();
    canvas.SetFont(&font_);
    HDC dc = canvas.Handle();
    IntersectClipRect(dc, 0, 0, kWidth, 12);
    LMDDrawTextExt(&canvas, kText, effect, kDest, kFormat, TLMDDrawTextStyles{dtEnabled, dtClip}, &clip);
    RECT callerClip{};
    EXPECT_EQ(GetClipBox(dc, &callerClip), SIMPLEREGION);
    EXPECT_TRUE(SameRect(callerClip, RECT{0, 0, kWidth, 12})) << RectText(callerClip);

    SelectClipRgn(dc, nullptr);
    const TPixelSet painted = PaintedPixels(*bitmap, kBack);
    ASSERT_FALSE(painted.empty());
    const RECT box = BoundingBox(painted);
    EXPECT_LE(box.right, 20);
    EXPECT_LE(box.bottom, 12) << "the caller's clip applied too";
  }
}

TEST_F(CaptionDrawTest, ClippingWithoutAClipOfTheCallersRemovesTheClipAfterwards) {
  effect_.SetStyle(tdShadow);
  auto bitmap = MakeSurface(kWidth, kHeight, kBack);
  TCanvas& canvas = *bitmap->Canvas();
  LMDDrawTextExt(&canvas, kText, &effect_, RECT{5, 5, 15, 27}, kFormat, TLMDDrawTextStyles{dtEnabled, dtClip},
                 nullptr);
  EXPECT_LE(BoundingBox(PaintedPixels(*bitmap, kBack)).right, 15) << "the destination is the clip";
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetClipRgn(canvas.Handle(), region), 0);
  DeleteObject(region);
}

TEST_F(CaptionDrawTest, TracingSpreadsTheCharactersAndIsTakenBackAfterwards) {
  auto plain = Draw(&effect_, TLMDDrawTextStyles{dtEnabled});
  effect_.SetTracing(2);
  auto bitmap = MakeSurface(kWidth, kHeight, kBack);
  TCanvas& canvas = *bitmap->Canvas();
  canvas.Font()->SetColor(kFace);
  SetTextCharacterExtra(canvas.Handle(), 1);
  LMDDrawTextExt(&canvas, kText, &effect_, kDest, kFormat, TLMDDrawTextStyles{dtEnabled}, nullptr);
  EXPECT_EQ(GetTextCharacterExtra(canvas.Handle()), 1);
  const RECT plainBox = BoundingBox(PaintedPixels(*plain, kBack));
  const RECT spreadBox = BoundingBox(PaintedPixels(*bitmap, kBack));
  EXPECT_EQ(spreadBox.left, plainBox.left);
  EXPECT_EQ(spreadBox.right - plainBox.right, 7 * 2) << "the last of 8 characters moves by 7 spacings";
}

TEST_F(CaptionDrawTest, OutlinePaintsTheGlyphsEdgesButNotTheirInside) {
  font_.SetName("Arial");
  font_.SetHeight(-40);
  font_.SetStyle(TFontStyles{fsBold});
  auto bitmap = MakeSurface(kWidth, 50, kBack);
  TCanvas& canvas = *bitmap->Canvas();
  canvas.SetFont(&font_);
  canvas.Font()->SetColor(kFace);
  LMDDrawTextExt(&canvas, "I", nullptr, RECT{10, 0, 70, 50}, kFormat, TLMDDrawTextStyles{dtEnabled}, nullptr);
  const RECT stem = BoundingBox(PaintedPixels(*bitmap, kBack));
  ASSERT_GE(stem.right - stem.left, 5) << "a bold stem wide enough to have an inside";
  const int middleX = (stem.left + stem.right) / 2;
  const int middleY = (stem.top + stem.bottom) / 2;

  for (int depth : {1, 2}) {
    SCOPED_TRACE(depth);
    effect_.SetStyle(tdOutline);
    effect_.SetDepth(1, depth);
    auto outlined = MakeSurface(kWidth, 50, kBack);
    TCanvas& target = *outlined->Canvas();
    target.SetFont(&font_);
    target.Font()->SetColor(kFace);
    LMDDrawTextExt(&target, "I", &effect_, RECT{10, 0, 70, 50}, kFormat, TLMDDrawTextStyles{dtEnabled}, nullptr);
    EXPECT_EQ(target.Pixel(middleX, middleY), kBack) << "inside of the stem";
    EXPECT_EQ(target.Pixel(stem.left + depth / 2, middleY), kFace) << "left edge of the stem";
    const TPixelSet painted = PaintedPixels(*outlined, kBack);
    for (const auto& pixel : painted) ASSERT_EQ(target.Pixel(pixel.first, pixel.second), kFace);
    EXPECT_EQ(target.Pen()->Width(), depth);
  }
}

TEST_F(CaptionDrawTest, RotatedTextStaysInsideTheBoxItWasMeasuredFor) {
  font_.SetName("Arial");
  font_.SetHeight(-16);
  for (int angle : {90, 180, 270, 45}) {
    SCOPED_TRACE(angle);
    effect_.SetStyle(tdShadow);
    effect_.SetAngle(angle);
    RECT box{0, 0, 0, 0};
    LMDDrawTextCalc("TAWO", &effect_, box, &font_, false, true, 0, 0);
    OffsetRect(&box, 10, 10);

    auto bitmap = MakeSurface(100, 100, kBack);
    TCanvas& canvas = *bitmap->Canvas();
    canvas.SetFont(&font_);
    canvas.Font()->SetColor(kFace);
    LMDDrawTextExt(&canvas, "TAWO", &effect_, box, 0, TLMDDrawTextStyles{dtEnabled}, nullptr);
    const TPixelSet painted = PaintedPixels(*bitmap, kBack);
    ASSERT_FALSE(painted.empty());
    const RECT drawn = BoundingBox(painted);
    EXPECT_GE(drawn.left, box.left) << RectText(drawn) << " in " << RectText(box);
    EXPECT_GE(drawn.top, box.top) << RectText(drawn) << " in " << RectText(box);
    EXPECT_LE(drawn.right, box.right) << RectText(drawn) << " in " << RectText(box);
    EXPECT_LE(drawn.bottom, box.bottom) << RectText(drawn) << " in " << RectText(box);
    if (angle == 90 || angle == 270) {
      EXPECT_GT(drawn.bottom - drawn.top, 2 * (drawn.right - drawn.left)) << "the text runs up or down";
    }

    canvas.Brush()->SetColor(kBack);
    canvas.Brush()->SetStyle(bsSolid);
    canvas.FillRect(RECT{0, 0, 100, 100});
    canvas.TextOut(0, 0, "TAWO");
    const RECT plain = BoundingBox(PaintedPixels(*bitmap, kBack));
    EXPECT_GT(plain.right - plain.left, plain.bottom - plain.top) << "the canvas font itself is not turned";
  }
}

TEST_F(CaptionDrawTest, RotationAsksForATrueTypeFont) {
  effect_.SetAngle(90);
  auto bitmap = Draw(&effect_, TLMDDrawTextStyles{dtEnabled});
  const RECT drawn = BoundingBox(PaintedPixels(*bitmap, kBack));
  EXPECT_GT(drawn.right - drawn.left, drawn.bottom - drawn.top) << "a raster font is drawn unturned";
}

TEST_F(CaptionDrawTest, ExtremeTracingAndDepthsStayHarmless) {
  for (int tracing : {INT32_MAX, INT32_MIN, -1000}) {
    SCOPED_TRACE(tracing);
    effect_.SetTracing(tracing);
    effect_.SetStyle(tdExtrudeEnh);
    effect_.SetDepth(0, 255);
    effect_.SetDepth(1, 255);
    auto bitmap = Draw(&effect_, TLMDDrawTextStyles{dtEnabled});
    RECT rect{0, 0, 0, 0};
    TFont font;
    LMDDrawTextCalc(kText, &effect_, rect, &font, false, true, 0, 0);
    EXPECT_EQ(GetTextCharacterExtra(bitmap->Canvas()->Handle()), 0);
  }
}

}  // namespace
