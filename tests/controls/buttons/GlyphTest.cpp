#include <gtest/gtest.h>

#include <LMDGlyph.h>
#include <LMDGlyphCache.h>
#include <LMDUtilsBitmap.h>

#include <memory>
#include <vector>

using enum TLMDButtonState;
using enum TLMDGlyphStyle;
using enum TPixelFormat;

namespace {

constexpr TColor kBackground = clOlive;

// A strip of `colors.size()` square pictures of `size` pixels: each an olive (transparent)
// frame around a filled square of its colour.
std::unique_ptr<TBitmap> Strip(int size, const std::vector<TColor>& colors) {
  auto strip = std::make_unique<TBitmap>();
  strip->SetPixelFormat(pf24bit);
  strip->SetSize(size * static_cast<int>(colors.size()), size);
  strip->Canvas()->Brush()->SetColor(kBackground);
  strip->Canvas()->FillRect(RECT{0, 0, strip->Width(), size});
  for (size_t i = 0; i < colors.size(); ++i) {
    const int left = static_cast<int>(i) * size;
    strip->Canvas()->Brush()->SetColor(colors[i]);
    strip->Canvas()->FillRect(RECT{left + 2, 2, left + size - 4, size - 4});
  }
  return strip;
}

TColor StateCentre(TLMDGlyph& glyph, TLMDButtonState state) {
  TBitmap image;
  glyph.GetStateBitmap(state, &image);
  return image.Canvas()->Pixel(4, 4);
}

TEST(Glyph, PictureCountFollowsTheStripShape) {
  TLMDGlyph glyph;
  glyph.SetGlyph(Strip(16, {clRed, clLime, clBlue, clYellow}).get());
  EXPECT_EQ(glyph.NumGlyphs(), 4);
  EXPECT_EQ(glyph.TransparentColor(), kBackground);
  glyph.SetGlyph(Strip(16, {clRed, clRed, clRed, clRed, clRed, clRed}).get());
  EXPECT_EQ(glyph.NumGlyphs(), 1);
  glyph.SetNumGlyphs(3);
  glyph.SetNumGlyphs(6);
  auto odd = std::make_unique<TBitmap>();
  odd->SetSize(40, 16);
  glyph.SetGlyph(odd.get());
  EXPECT_EQ(glyph.NumGlyphs(), 3);
}

TEST(Glyph, OnePictureServesUpHotAndDownAndIsEmbossedWhenDisabled) {
  TLMDGlyph glyph;
  glyph.SetGlyph(Strip(16, {clRed}).get());
  EXPECT_EQ(StateCentre(glyph, bsUp), clRed);
  EXPECT_EQ(StateCentre(glyph, bsDown), clRed);
  EXPECT_EQ(StateCentre(glyph, bsMouseOver), clRed);

  TBitmap disabled;
  glyph.GetStateBitmap(bsDisabledUp, &disabled);
  const TColor shadow = ColorToRGB(clBtnShadow);
  const TColor highlight = ColorToRGB(clBtnHighlight);
  // The list keeps images black where they are transparent.
  EXPECT_EQ(disabled.Canvas()->Pixel(0, 0), clBlack);
  EXPECT_EQ(disabled.Canvas()->Pixel(2, 2), shadow);
  EXPECT_EQ(disabled.Canvas()->Pixel(11, 11), shadow);
  EXPECT_EQ(disabled.Canvas()->Pixel(12, 12), highlight);  // the raised edge below and right
  EXPECT_EQ(disabled.Canvas()->Pixel(13, 13), clBlack);
  TBitmap mask;
  glyph.GlyphList()->GetMaskBitmap(glyph.GetButtonGlyph(bsDisabledUp), &mask);
  EXPECT_EQ(mask.Canvas()->Pixel(13, 13), clWhite);
  EXPECT_EQ(mask.Canvas()->Pixel(12, 12), clBlack);
}

TEST(Glyph, ExplorerGlyphsAreGrayUntilHotAndBorrowMissingPictures) {
  TLMDGlyph glyph;
  glyph.SetGlyph(Strip(16, {clRed, clLime, clBlue}).get());
  EXPECT_EQ(StateCentre(glyph, bsOptionSet), clRed);
  glyph.SetStyle(gsExplorer);
  EXPECT_EQ(StateCentre(glyph, bsOptionSet), clBlue);
  EXPECT_EQ(StateCentre(glyph, bsMouseOver), clBlue);
  const TColor up = StateCentre(glyph, bsUp);
  EXPECT_EQ(GetRValue(up), GetGValue(up));
  EXPECT_EQ(GetGValue(up), GetBValue(up));
}

TEST(Glyph, EmptyBitmapHasNoImage) {
  TLMDGlyph glyph;
  EXPECT_EQ(glyph.GetButtonGlyph(bsUp), -1);
  EXPECT_EQ(glyph.GlyphList(), nullptr);
}

TEST(Glyph, GlyphsOfOneSizeShareAListThatGoesWithTheLast) {
  const auto picture = Strip(16, {clRed});
  {
    TLMDGlyph first;
    TLMDGlyph second;
    first.SetGlyph(picture.get());
    second.SetGlyph(picture.get());
    first.GetButtonGlyph(bsUp);
    second.GetButtonGlyph(bsDisabledUp);
    ASSERT_NE(first.GlyphList(), nullptr);
    EXPECT_EQ(first.GlyphList(), second.GlyphList());
    EXPECT_EQ(first.GlyphList()->UsedCount(), 2);
    second.SetNumGlyphs(2);  // releases second's image
    EXPECT_EQ(first.GlyphList()->UsedCount(), 1);
  }
  EXPECT_EQ(TLMDGlyphCache::Shared(), nullptr);
}

TEST(Glyph, DrawPaintsTheStateImageWithoutItsBackground) {
  TLMDGlyph glyph;
  glyph.SetGlyph(Strip(16, {clRed}).get());
  TBitmap surface;
  surface.SetPixelFormat(pf24bit);
  surface.SetSize(40, 40);
  surface.Canvas()->Brush()->SetColor(clWhite);
  surface.Canvas()->FillRect(RECT{0, 0, 40, 40});
  TLMDGlyphTextLayout layout;
  const TLMDTextGlyphRects rects = glyph.DrawButtonGlyphAndText(surface.Canvas(), "", nullptr, RECT{0, 0, 40, 40},
                                                                bsUp, &layout, TLMDDrawTextStyles{}, false, 0);
  const RECT& at = rects.Glyph;
  EXPECT_EQ(surface.Canvas()->Pixel(at.left + 5, at.top + 5), clRed);
  EXPECT_EQ(surface.Canvas()->Pixel(at.left, at.top), clWhite);
}

TEST(BitmapRoutines, GrayscaleKeepsTheReferenceColourAndUsesFourLevels) {
  const auto picture = Strip(8, {clRed});
  TBitmap gray;
  LMDBmpCreateGrayscale(&gray, picture.get());
  EXPECT_EQ(gray.Canvas()->Pixel(0, 0), kBackground);
  const TColor centre = gray.Canvas()->Pixel(3, 3);
  const std::vector<TColor> levels{clWhite, ColorToRGB(clBtnHighlight), ColorToRGB(clBtnShadow), clBlack};
  EXPECT_NE(std::find(levels.begin(), levels.end(), centre), levels.end());
}

}  // namespace
