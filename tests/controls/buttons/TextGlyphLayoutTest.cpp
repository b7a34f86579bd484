// Text, glyph and drop-down arrow placed and painted by LMDDrawTextAndGlyphExt on memory
// bitmaps: the returned rectangles for every arrangement and alignment, and the pixels of the
// glyph, text and arrow.
#include <gtest/gtest.h>

#include <LMDButtonLayout.h>
#include <LMDUtilsLayout.h>

#include "CaptionTestSupport.h"

using enum TLMDAlignment;
using enum TLMDArrowPosition;
using enum TLMDDrawTextStyle;
using enum TLMDTextArrange;

namespace {

constexpr TColor kGlyph = 0x00FFFF;
constexpr TColor kClear = 0xFF00FF;  // the glyph's transparent colour
constexpr TColor kArrow = 0x000080;
constexpr int kSurfaceWidth = 120;
constexpr int kSurfaceHeight = 60;
const AnsiString kText = "Instaluj";

int WidthOf(const RECT& r) { return r.right - r.left; }
int HeightOf(const RECT& r) { return r.bottom - r.top; }

RECT Moved(RECT r, int dx, int dy) {
  OffsetRect(&r, dx, dy);
  return r;
}

RECT Grown(RECT r, int by) {
  InflateRect(&r, by, by);
  return r;
}

// The pixels of one colour.
TPixelSet PixelsOf(TBitmap& bitmap, TColor color) {
  TPixelSet pixels;
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) {
      if (bitmap.Canvas()->Pixel(x, y) == color) pixels.insert({x, y});
    }
  }
  return pixels;
}

bool Contains(const RECT& outer, const RECT& inner) {
  return !IsRectEmpty(&inner) && inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

// A glyph of one colour with a frame of the transparent colour `frame` pixels wide.
std::unique_ptr<TBitmap> MakeGlyph(int width, int height, int frame) {
  auto glyph = MakeSurface(width, height, kClear);
  glyph->Canvas()->Brush()->SetColor(kGlyph);
  glyph->Canvas()->FillRect(RECT{frame, frame, width - frame, height - frame});
  return glyph;
}

// White where the glyph made by MakeGlyph is transparent, black elsewhere.
std::unique_ptr<TBitmap> MakeMask(int width, int height, int frame) {
  auto mask = MakeSurface(width, height, clWhite);
  mask->Canvas()->Brush()->SetColor(clBlack);
  mask->Canvas()->FillRect(RECT{frame, frame, width - frame, height - frame});
  return mask;
}

class TextGlyphLayoutTest : public ::testing::Test {
 protected:
  void SetUp() override { surface_->Canvas()->Font()->SetColor(kFace); }

  // The text's rectangle as the routine measures it, at the origin.
  RECT Measured(const AnsiString& text, const RECT& dest, bool wordBreak = false) {
    RECT rect{0, 0, WidthOf(dest), 0};
    LMDDrawTextCalc(text, nullptr, rect, surface_->Canvas()->Font(), wordBreak, true, 0, 0);
    return rect;
  }

  TLMDTextGlyphRects Draw(const AnsiString& text, const RECT& dest, TLMDDrawTextStyles styles = {dtEnabled},
                          bool withGlyph = true, bool wordBreak = false) {
    RECT glyphRect = withGlyph ? RECT{0, 0, glyph_->Width(), glyph_->Height()} : RECT{};
    const TLMDTextGlyphRects rects =
        LMDDrawTextAndGlyphExt(surface_->Canvas(), text, effect_, dest, withGlyph ? glyph_->Canvas() : nullptr,
                               glyphRect, nullptr, kClear, &layout_, wordBreak, true, false, styles, 0);
    focus_ = glyphRect;
    return rects;
  }

  std::unique_ptr<TBitmap> surface_ = MakeSurface(kSurfaceWidth, kSurfaceHeight, kBack);
  std::unique_ptr<TBitmap> glyph_ = MakeGlyph(16, 16, 0);
  TLMDButtonLayout layout_;
  TLMD3DCaption* effect_ = nullptr;
  RECT focus_{};
};

TEST_F(TextGlyphLayoutTest, GlyphLeftOfTextCentredAsOneBlock) {
  const RECT dest{0, 0, 70, 25};
  const RECT text = Measured("Ok", dest);
  ASSERT_LE(HeightOf(text), 16);
  const TLMDTextGlyphRects rects = Draw("Ok", dest);

  const int blockWidth = 16 + 2 + WidthOf(text);
  const POINT block{(70 - blockWidth) / 2, (25 - 16) / 2};
  const int textY = (16 - HeightOf(text)) / 2;
  EXPECT_TRUE(SameRect(rects.Glyph, RECT{block.x, block.y, block.x + 16, block.y + 16})) << RectText(rects.Glyph);
  EXPECT_TRUE(SameRect(rects.Text, Moved(text, block.x + 16 + 2 + 1, block.y + textY + 1))) << RectText(rects.Text);
  EXPECT_TRUE(SameRect(rects.Both, RECT{block.x, block.y, rects.Text.right, block.y + 16}));
  EXPECT_TRUE(IsRectEmpty(&rects.Unused));
  EXPECT_TRUE(SameRect(focus_, Grown(dest, -1))) << "no focus style: the destination shrunk by 1";

  EXPECT_TRUE(SameRect(BoundingBox(PixelsOf(*surface_, kGlyph)), rects.Glyph));
  EXPECT_TRUE(Contains(rects.Text, BoundingBox(PixelsOf(*surface_, kFace))));
}

TEST_F(TextGlyphLayoutTest, EachArrangementPutsTextAndGlyphInTheirPlacesOfTheBlock) {
  const RECT dest{0, 0, kSurfaceWidth, kSurfaceHeight};
  const RECT text = Measured(kText, dest);
  const int tw = WidthOf(text);
  const int th = HeightOf(text);
  ASSERT_GT(tw, 16);
  ASSERT_LT(th, 16);
  const int ty = (16 - th) / 2;  // the glyph is the taller, the text the wider
  const int gx = (tw - 16) / 2;
  const struct {
    TLMDTextArrange Arrange;
    POINT Text;
    POINT Glyph;
  } cases[] = {
      {taLeft, {0, ty}, {tw + 2, 0}},    {taLeftTop, {0, ty}, {tw + 2, 0}},
      {taRight, {18, ty}, {0, 0}},       {taRightTop, {18, ty}, {0, 0}},
      {taTop, {0, 0}, {gx, th + 2}},     {taTopLeft, {0, 0}, {0, th + 2}},
      {taBottom, {0, 18}, {gx, 0}},      {taBottomLeft, {0, 18}, {0, 0}},
  };
  for (const auto& c : cases) {
    layout_.SetAlignText2Glyph(c.Arrange);
    const TLMDTextGlyphRects rects = Draw(kText, dest, {dtAutoSize, dtCalculate});
    EXPECT_TRUE(SameRect(rects.Text, Moved(text, c.Text.x, c.Text.y))) << static_cast<int>(c.Arrange) << RectText(rects.Text);
    EXPECT_TRUE(SameRect(rects.Glyph, RECT{c.Glyph.x, c.Glyph.y, c.Glyph.x + 16, c.Glyph.y + 16}))
        << static_cast<int>(c.Arrange) << RectText(rects.Glyph);
  }

  // A text taller than the glyph is the one that stands at the top.
  glyph_ = MakeGlyph(8, 6, 0);
  layout_.SetAlignText2Glyph(taLeft);
  EXPECT_EQ(Draw(kText, dest, {dtAutoSize, dtCalculate}).Glyph.top, (th - 6) / 2);
  layout_.SetAlignText2Glyph(taTop);
  EXPECT_EQ(Draw(kText, dest, {dtAutoSize, dtCalculate}).Glyph.left, (tw - 8) / 2);
}

TEST_F(TextGlyphLayoutTest, TheBlockTakesEachOfNinePlacesAndAnOnlyElementHasNoSpacing) {
  const RECT dest{10, 5, 90, 45};
  const RECT text = Measured(kText, dest);
  for (int alignment = static_cast<int>(agTopLeft); alignment <= static_cast<int>(agBottomRight); ++alignment) {
    layout_.SetAlignment(static_cast<TLMDAlignment>(alignment));
    const int column = alignment % 3;
    const int row = alignment / 3;
    const RECT glyph = Draw("", dest).Glyph;
    EXPECT_TRUE(SameRect(glyph, Moved(RECT{0, 0, 16, 16}, 10 + column * (80 - 16) / 2, 5 + row * (40 - 16) / 2)))
        << alignment << RectText(glyph);
    const RECT textOnly = Draw(kText, dest, {dtEnabled}, false).Text;
    const POINT at{10 + column * (80 - WidthOf(text)) / 2 + 1, 5 + row * (40 - HeightOf(text)) / 2 + 1};
    EXPECT_TRUE(SameRect(textOnly, Moved(text, at.x, at.y))) << alignment << RectText(textOnly);
  }
}

TEST_F(TextGlyphLayoutTest, FocusStylesFrameTheTextTheGlyphOrBothAndCalculatingPaintsNothing) {
  const RECT dest{0, 0, kSurfaceWidth, kSurfaceHeight};
  const TLMDTextGlyphRects nothing = Draw("", dest, {dtEnabled, dtRectGlyphText}, false);
  EXPECT_TRUE(PaintedPixels(*surface_).empty());
  EXPECT_TRUE(IsRectEmpty(&nothing.Both) && IsRectEmpty(&nothing.Text) && IsRectEmpty(&nothing.Glyph));
  EXPECT_TRUE(SameRect(focus_, Grown(dest, -1))) << "nothing to frame: the destination shrunk by 1";

  const TLMDTextGlyphRects rects = Draw(kText, dest, {dtEnabled, dtRectText});
  EXPECT_TRUE(SameRect(focus_, Grown(rects.Text, 1)));
  Draw(kText, dest, {dtEnabled, dtRectGlyph});
  EXPECT_TRUE(SameRect(focus_, rects.Glyph));
  Draw(kText, dest, {dtEnabled, dtRectGlyphText});
  EXPECT_TRUE(SameRect(focus_, Grown(rects.Both, 1)));
  Draw(kText, dest, {dtEnabled, dtRectGlyph}, false);
  EXPECT_TRUE(SameRect(focus_, Grown(dest, -1))) << "no glyph to frame";

  auto clean = MakeSurface(kSurfaceWidth, kSurfaceHeight, kBack);
  surface_ = MakeSurface(kSurfaceWidth, kSurfaceHeight, kBack);
  layout_.SetArrow(true);
  const TLMDTextGlyphRects calculated = Draw(kText, dest, {dtEnabled, dtCalculate});
  EXPECT_EQ(DifferentPixels(*surface_, *clean), 0) << "neither text, glyph nor arrow is painted";
  EXPECT_TRUE(SameRect(focus_, Grown(calculated.Both, 2)));
}

TEST_F(TextGlyphLayoutTest, TransparentGlyphsLeaveTheirTransparentPixelsOut) {
  glyph_ = MakeGlyph(4, 3, 1);
  glyph_->Canvas()->SetPixel(0, 0, kGlyph);
  const std::map<TColor, char> legend{{kBack, '.'}, {kGlyph, 'G'}, {kClear, 'T'}};
  layout_.SetAlignment(agTopLeft);
  const RECT dest{1, 1, 7, 5};
  const auto draw = [&](TBitmap& image, bool transparent, TCanvas* mask) {
    surface_ = MakeSurface(7, 5, kBack);
    RECT glyphRect{0, 0, 4, 3};
    LMDDrawTextAndGlyphExt(surface_->Canvas(), "", nullptr, dest, image.Canvas(), glyphRect, mask, kClear, &layout_,
                           false, true, transparent, {dtEnabled}, 0);
    return PixelMap(*surface_, legend);
  };
  EXPECT_EQ(draw(*glyph_, false, nullptr), ".......\n.GTTT..\n.TGGT..\n.TTTT..\n.......\n");
  EXPECT_EQ(draw(*glyph_, true, nullptr), ".......\n.G.....\n..GG...\n.......\n.......\n");
  EXPECT_EQ(draw(*glyph_, false, MakeMask(4, 3, 1)->Canvas()), draw(*glyph_, false, nullptr))
      << "an opaque glyph ignores its mask";

  // A masked image is black where its mask is white; the mask alone decides what shows.
  auto image = MakeSurface(4, 3, clBlack);
  auto mask = MakeSurface(4, 3, clWhite);
  const struct {
    int X, Y;
    TColor Color;
  } shown[] = {{0, 0, kGlyph}, {1, 1, kGlyph}, {2, 1, kClear}};
  for (const auto& pixel : shown) {
    image->Canvas()->SetPixel(pixel.X, pixel.Y, pixel.Color);
    mask->Canvas()->SetPixel(pixel.X, pixel.Y, clBlack);
  }
  EXPECT_EQ(draw(*image, true, mask->Canvas()), ".......\n.G.....\n..GT...\n.......\n.......\n");
}

TEST_F(TextGlyphLayoutTest, TheArrowStandsBesideItsElementAndTakesItsRoom) {
  const RECT dest{0, 0, kSurfaceWidth, kSurfaceHeight};
  const RECT text = Measured(kText, dest);
  layout_.SetArrow(true);
  layout_.SetArrowColor(kArrow);
  const TLMDTextGlyphRects plain = Draw(kText, dest, {dtEnabled, dtCalculate});
  const int room = 5 + 3;  // ArrowSize 3: 5 pixels wide, then the indent
  const auto arrowAt = [&](const RECT& r, int x) {
    const int y = r.top + HeightOf(r) / 2 - 1;
    return RECT{x, y, x + 5, y + 3};
  };
  for (const bool wordBreak : {false, true}) {
    for (int position = static_cast<int>(apRightText); position <= static_cast<int>(apLeftGlyph); ++position) {
      layout_.SetArrowPosition(static_cast<TLMDArrowPosition>(position));
      surface_ = MakeSurface(kSurfaceWidth, kSurfaceHeight, kBack);
      const TLMDTextGlyphRects rects = Draw(kText, dest, {dtEnabled}, true, wordBreak);
      const RECT arrow = BoundingBox(PixelsOf(*surface_, kArrow));
      const RECT& t = rects.Text;
      const RECT& g = rects.Glyph;
      switch (static_cast<TLMDArrowPosition>(position)) {
        case apRightText:
          EXPECT_EQ(WidthOf(t), WidthOf(text) + room);
          EXPECT_TRUE(SameRect(arrow, arrowAt(t, wordBreak ? t.right - 4 : t.right - 6))) << RectText(arrow);
          break;
        case apLeftText:
          EXPECT_EQ(t.left, plain.Text.left + room) << "the text moves right of its arrow";
          EXPECT_TRUE(SameRect(arrow, arrowAt(t, t.left - room))) << RectText(arrow);
          EXPECT_LT(BoundingBox(PixelsOf(*surface_, kArrow)).right, BoundingBox(PixelsOf(*surface_, kFace)).left);
          break;
        case apRightGlyph:
          EXPECT_EQ(WidthOf(g), 16 + room);
          EXPECT_TRUE(SameRect(arrow, arrowAt(g, g.right - 5))) << RectText(arrow);
          EXPECT_EQ(BoundingBox(PixelsOf(*surface_, kGlyph)).left, g.left);
          break;
        case apLeftGlyph:
          EXPECT_TRUE(SameRect(arrow, arrowAt(g, g.left - room))) << RectText(arrow);
          EXPECT_EQ(BoundingBox(PixelsOf(*surface_, kGlyph)).left, g.left) << "the glyph stands right of the arrow";
          break;
      }
    }
  }
}

TEST_F(TextGlyphLayoutTest, PressedOffsetsMoveEverythingAndDisabledDrawsGray) {
  const RECT dest{0, 0, kSurfaceWidth, kSurfaceHeight};
  TLMD3DCaption effect;
  effect_ = &effect;
  layout_.SetArrow(true);
  layout_.SetArrowColor(kArrow);
  const TLMDTextGlyphRects up = Draw(kText, dest);
  const TPixelSet upPixels = PaintedPixels(*surface_);

  surface_ = MakeSurface(kSurfaceWidth, kSurfaceHeight, kBack);
  layout_.SetOffset(0, 1);
  layout_.SetOffset(1, 1);
  const TLMDTextGlyphRects down = Draw(kText, dest);
  TPixelSet shifted;
  for (const auto& [x, y] : upPixels) shifted.insert({x + 1, y + 1});
  EXPECT_EQ(PaintedPixels(*surface_), shifted);
  EXPECT_TRUE(SameRect(down.Text, Moved(up.Text, 1, 1)));
  EXPECT_TRUE(SameRect(down.Glyph, Moved(up.Glyph, 1, 1)));

  surface_ = MakeSurface(kSurfaceWidth, kSurfaceHeight, kBack);
  Draw(kText, dest, {});
  EXPECT_TRUE(PixelsOf(*surface_, kFace).empty());
  EXPECT_TRUE(PixelsOf(*surface_, kArrow).empty());
  const TColor gray = ColorToRGB(clGrayText);
  EXPECT_TRUE(Contains(down.Text, BoundingBox(PixelsOf(*surface_, gray))));
  EXPECT_FALSE(PixelsOf(*surface_, ColorToRGB(clHighlightText)).empty()) << "the disabled arrow's light copy";
}

TEST_F(TextGlyphLayoutTest, WordBreakWrapsInTheDestinationAndAlignsTheLines) {
  const AnsiString text = "Uruchom Instaluj Zakonczono";
  const RECT narrow{0, 0, 70, kSurfaceHeight};
  const RECT oneLine = Measured(text, narrow);
  const RECT wrapped = Measured(text, narrow, true);
  ASSERT_GT(HeightOf(wrapped), 2 * HeightOf(oneLine) - 2);

  layout_.SetAlignment(agTopLeft);
  EXPECT_TRUE(SameRect(Draw(text, narrow, {dtEnabled}, false, true).Text, Moved(wrapped, 1, 1)));
  const int leftAligned = BoundingBox(PixelsOf(*surface_, kFace)).left;
  layout_.SetAlignment(agTopRight);
  surface_ = MakeSurface(kSurfaceWidth, kSurfaceHeight, kBack);
  const RECT t = Draw(text, narrow, {dtEnabled}, false, true).Text;
  TPixelSet firstLine;
  for (const auto& pixel : PixelsOf(*surface_, kFace)) {
    if (pixel.second < t.top + HeightOf(oneLine) - 2) firstLine.insert(pixel);
  }
  EXPECT_GT(BoundingBox(firstLine).left, leftAligned + 3) << "the short first line stands at the right";

  surface_ = MakeSurface(kSurfaceWidth, kSurfaceHeight, kBack);
  const RECT single = Draw(text, RECT{0, 0, kSurfaceWidth, kSurfaceHeight}, {dtEnabled}, false, false).Text;
  EXPECT_EQ(HeightOf(single), HeightOf(oneLine));
  EXPECT_LT(BoundingBox(PixelsOf(*surface_, kFace)).bottom, single.bottom) << "without word break, one line";
}

TEST_F(TextGlyphLayoutTest, TheBitmapFormTakesTheGlyphsTransparentColourAndMask) {
  layout_.SetAlignment(agTopLeft);
  const RECT dest{0, 0, 30, 20};
  auto glyph = MakeGlyph(6, 6, 2);
  glyph->SetTransparentColor(kClear);
  const auto draw = [&](TBitmap* mask, TBitmap* image) {
    surface_ = MakeSurface(30, 20, kBack);
    return LMDDrawTextAndGlyph(surface_->Canvas(), "", nullptr, dest, mask, image, &layout_, false, true, true,
                               {dtEnabled}, 0);
  };
  draw(nullptr, glyph.get());
  EXPECT_EQ(PixelsOf(*surface_, kGlyph).size(), 4u);
  EXPECT_TRUE(PixelsOf(*surface_, kClear).empty());

  auto masked = MakeSurface(6, 6, clBlack);
  masked->Canvas()->Brush()->SetColor(kClear);
  masked->Canvas()->FillRect(RECT{1, 1, 5, 5});
  auto mask = MakeMask(6, 6, 1);
  draw(mask.get(), masked.get());
  EXPECT_EQ(PixelsOf(*surface_, kClear).size(), 16u) << "the mask, not the colour, decides";

  TBitmap empty;
  const TLMDTextGlyphRects none = draw(nullptr, &empty);
  EXPECT_TRUE(IsRectEmpty(&none.Glyph));
  EXPECT_TRUE(PaintedPixels(*surface_).empty());
}

TEST_F(TextGlyphLayoutTest, ExtremeSpacingsAndOffsetsPushThingsAwayWithoutOverflowing) {
  layout_.SetSpacing(INT32_MAX);
  layout_.SetOffset(0, INT32_MAX);
  layout_.SetOffset(1, INT32_MIN);
  layout_.SetArrow(true);
  layout_.SetArrowIndent(INT32_MAX);
  for (const TLMDDrawTextStyles styles : {TLMDDrawTextStyles{dtEnabled, dtCalculate}, TLMDDrawTextStyles{dtEnabled}}) {
    const TLMDTextGlyphRects rects = Draw(kText, RECT{INT32_MIN, 0, INT32_MAX, 10}, styles);
    EXPECT_EQ(rects.Text.left, INT32_MAX) << "the text stands an endless spacing right of the glyph";
    EXPECT_EQ(rects.Text.top, INT32_MIN);
    EXPECT_LT(rects.Glyph.left, rects.Text.left);
  }
  EXPECT_TRUE(PaintedPixels(*surface_).empty()) << "everything lies far outside";
}

TEST_F(TextGlyphLayoutTest, AMissingCanvasOrLayoutIsRefused) {
  RECT glyphRect{};
  EXPECT_THROW(LMDDrawTextAndGlyphExt(nullptr, kText, nullptr, RECT{0, 0, 9, 9}, nullptr, glyphRect, nullptr, clNone,
                                      &layout_, false, true, false, {dtEnabled}, 0),
               EInvalidPointer);
  EXPECT_THROW(LMDDrawTextAndGlyphExt(surface_->Canvas(), kText, nullptr, RECT{0, 0, 9, 9}, nullptr, glyphRect,
                                      nullptr, clNone, nullptr, false, true, false, {dtEnabled}, 0),
               EInvalidPointer);
}

}  // namespace
