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

TEST(Glyph, ANewBitmapIsTheGlyphsChangeWithThePictureCountAlreadySet) {
  struct Watcher : TObject {
    void Changed(TObject*) { seen.push_back(glyph->NumGlyphs()); }
    TLMDGlyph* glyph = nullptr;
    std::vector<int> seen;
  } watcher;
  TLMDGlyph glyph;
  watcher.glyph = &glyph;
  glyph.OnChange = TNotifyEvent(&watcher, &Watcher::Changed);
  glyph.SetGlyph(Strip(8, {clRed, clBlue, clLime}).get());
  glyph.SetGlyph(nullptr);
  EXPECT_EQ(watcher.seen, (std::vector<int>{3, 3}));
}

TEST(BitmapRoutines, GrayscaleRoundsTheBrightnessHalfToEven) {
  // Beside the reference pixel, sums 202 and 101 average 151.5: the base is -round(48.5) = -48,
  // so 202 is not above 250 + base and stays at the shadow level.
  TBitmap picture;
  picture.SetSize(3, 1);
  picture.Canvas()->SetPixel(0, 0, clFuchsia);
  picture.Canvas()->SetPixel(1, 0, RGB(202, 0, 0));
  picture.Canvas()->SetPixel(2, 0, RGB(101, 0, 0));
  TBitmap gray;
  LMDBmpCreateGrayscale(&gray, &picture);
  EXPECT_EQ(gray.Canvas()->Pixel(1, 0), ColorToRGB(clBtnShadow));
}

TEST(BitmapRoutines, AspectKeepingStretchRoundsHalfToEven) {
  struct Case {
    uint16_t keep;
    int sourceWidth, sourceHeight;
    RECT dest, covered;
  };
  const Case cases[] = {
      {kLMDBmpKeepHeight, 2, 1, RECT{0, 0, 5, 8}, RECT{0, 0, 5, 2}},  // 5 / 2 = 2.5
      {kLMDBmpKeepHeight, 2, 1, RECT{0, 0, 7, 8}, RECT{0, 0, 7, 4}},  // 7 / 2 = 3.5
      {kLMDBmpKeepWidth, 1, 2, RECT{0, 0, 8, 5}, RECT{0, 0, 2, 5}},
  };
  for (const Case& c : cases) {
    TBitmap source;
    source.SetSize(c.sourceWidth, c.sourceHeight);
    TBitmap surface;
    surface.SetSize(8, 8);
    const RECT covered = LMDBmpDraw(surface.Canvas(), c.dest, &source, kLMDBmpStretch | c.keep, 0);
    EXPECT_TRUE(EqualRect(&covered, &c.covered)) << covered.right << " x " << covered.bottom;
  }
}

TEST(BitmapRoutines, StretchAndMaskedDrawing) {
  TBitmap picture;
  picture.SetSize(3, 1);
  picture.Canvas()->SetPixel(0, 0, clRed);
  picture.Canvas()->SetPixel(1, 0, clLime);
  picture.Canvas()->SetPixel(2, 0, clBlue);
  TBitmap surface;
  surface.SetSize(6, 2);
  surface.Canvas()->Brush()->SetColor(clWhite);
  surface.Canvas()->FillRect(RECT{0, 0, 6, 2});

  TBitmap masked;
  LMDMaskBmpDraw(surface.Canvas(), RECT{0, 0, 3, 1}, &picture, clBlack, clLime, &masked);
  EXPECT_EQ(surface.Canvas()->Pixel(0, 0), clRed);
  EXPECT_EQ(surface.Canvas()->Pixel(1, 0), clWhite) << "the masked colour lets the canvas show";
  EXPECT_EQ(surface.Canvas()->Pixel(2, 0), clBlue);
  EXPECT_EQ(masked.Width(), 3);

  LMDBmpStretchDraw(surface.Canvas(), RECT{0, 0, 6, 2}, &picture);
  for (int x = 0; x < 6; ++x) EXPECT_EQ(surface.Canvas()->Pixel(x, 1), picture.Canvas()->Pixel(x / 2, 0)) << x;
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
