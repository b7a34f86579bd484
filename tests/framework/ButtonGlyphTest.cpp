#include <gtest/gtest.h>
#include <winport.h>

#include "TBitmap.h"
#include "TButtonGlyph.h"
#include "TCanvas.h"

#include <filesystem>
#include <string>

using enum TBitBtnKind;
using enum TButtonLayout;
using enum TButtonState;
using enum TPixelFormat;

namespace {

bool Same(RECT a, RECT b) { return EqualRect(&a, &b) != FALSE; }

TEST(ButtonLayout, GlyphAndCaptionAreCentredTogetherWithTheSpacingBetween) {
  const SIZE face{75, 25}, glyph{18, 18}, text{15, 13};
  TButtonLayoutResult left = TButtonGlyph::CalcButtonLayout(face, glyph, text, blGlyphLeft, -1, 4);
  EXPECT_EQ(left.GlyphPos.x, 19);  // (75 - 37 + 1) div 2
  EXPECT_EQ(left.GlyphPos.y, 4);
  EXPECT_TRUE(Same(left.TextBounds, RECT{41, 6, 56, 19}));

  TButtonLayoutResult right = TButtonGlyph::CalcButtonLayout(face, glyph, text, blGlyphRight, -1, 4);
  EXPECT_EQ(right.GlyphPos.x, 75 - 19 - 18);
  EXPECT_EQ(right.TextBounds.left, right.GlyphPos.x - 4 - 15);

  TButtonLayoutResult top = TButtonGlyph::CalcButtonLayout(SIZE{75, 60}, glyph, text, blGlyphTop, 5, -1);
  EXPECT_EQ(top.GlyphPos.y, 5);
  EXPECT_EQ(top.TextBounds.top, 5 + 18 + (60 - 5 - 18 - 13) / 2);
  EXPECT_EQ(top.GlyphPos.x, (75 - 18 + 1) / 2);

  TButtonLayoutResult even = TButtonGlyph::CalcButtonLayout(face, glyph, text, blGlyphLeft, -1, -1);
  EXPECT_EQ(even.GlyphPos.x, (75 - 33) / 3);
  EXPECT_EQ(even.TextBounds.left, 2 * ((75 - 33) / 3) + 18);
}

TEST(ButtonLayout, ACaptionAloneIsCentredWithoutSpacing) {
  TButtonLayoutResult alone = TButtonGlyph::CalcButtonLayout(SIZE{75, 25}, SIZE{0, 0}, SIZE{31, 13}, blGlyphLeft, -1, 4);
  EXPECT_TRUE(Same(alone.TextBounds, RECT{22, 6, 53, 19}));
}

class KindGlyphs : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(WinportSetDisplay("headless") || std::string(WinportDisplayName()) == "headless"); }
};

TEST_F(KindGlyphs, EveryKindButCustomHasANormalAndADisabledImageOnOlive) {
  EXPECT_EQ(TButtonGlyph::KindGlyph(bkCustom), nullptr);
  TBitmap sheet;
  sheet.SetPixelFormat(pf24bit);
  sheet.SetSize(2 * 18, 10 * 18);
  for (int kind = static_cast<int>(bkOK); kind <= static_cast<int>(bkAll); ++kind) {
    std::unique_ptr<TBitmap> glyph = TButtonGlyph::KindGlyph(static_cast<TBitBtnKind>(kind));
    ASSERT_NE(glyph, nullptr);
    EXPECT_EQ(glyph->Width(), 36);
    EXPECT_EQ(glyph->Height(), 18);
    EXPECT_EQ(glyph->TransparentColor(), clOlive);
    sheet.Canvas()->Draw(0, (kind - 1) * 18, glyph.get());
  }
  std::unique_ptr<TBitmap> ok = TButtonGlyph::KindGlyph(bkOK);
  EXPECT_EQ(ok->Canvas()->Pixel(8, 10), clGreen) << "the check mark";
  EXPECT_EQ(ok->Canvas()->Pixel(18 + 8, 10), ColorToRGB(clBtnShadow)) << "its disabled twin";
  EXPECT_EQ(ok->Canvas()->Pixel(0, 0), clOlive);
  std::filesystem::create_directories(TAWO_TEST_OUTPUT_DIR);
  sheet.SaveToFile((std::string(TAWO_TEST_OUTPUT_DIR) + "/kind-glyphs.bmp").c_str());
}

TEST_F(KindGlyphs, ASingleGlyphIsGreyedForTheDisabledFace) {
  TButtonGlyph glyph;
  std::unique_ptr<TBitmap> strip = TButtonGlyph::KindGlyph(bkCancel);
  TBitmap single;
  single.SetPixelFormat(pf24bit);
  single.SetSize(18, 18);
  single.Canvas()->CopyRect(RECT{0, 0, 18, 18}, strip->Canvas(), RECT{0, 0, 18, 18});
  glyph.SetGlyph(&single);
  EXPECT_EQ(glyph.ImageSize().cx, 18);

  TBitmap face;
  face.SetPixelFormat(pf24bit);
  face.SetSize(75, 25);
  face.Canvas()->Brush()->SetColor(clBtnFace);
  face.Canvas()->FillRect(RECT{0, 0, 75, 25});
  const RECT text = glyph.Draw(face.Canvas(), RECT{0, 0, 75, 25}, POINT{0, 0}, "Cancel", blGlyphLeft, -1, 4, bsDisabled);
  EXPECT_GT(text.right - text.left, 20);
  const int glyphX = (75 - (18 + 4 + (text.right - text.left)) + 1) / 2;
  EXPECT_EQ(face.Canvas()->Pixel(glyphX + 4, 4 + 4), ColorToRGB(clBtnShadow)) << "the cross, greyed";
  EXPECT_EQ(face.Canvas()->Pixel(glyphX, 4), ColorToRGB(clBtnFace)) << "transparent corner";
}

}  // namespace
