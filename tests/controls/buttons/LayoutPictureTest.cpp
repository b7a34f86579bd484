// One picture of the glyph-and-text layouts, for looking at: the nine placements, the eight
// arrangements of text and glyph, the four arrow positions, then a disabled, a pressed and a
// word-wrapped cell. Each cell shows its focus rectangle (text and glyph grown by 1) in red.
// Written to glyph-text-layouts.png in the test output folder.
#include <gtest/gtest.h>

#include <LMDButtonLayout.h>
#include <LMDUtilsLayout.h>

#include "../paint/PaintTestSupport.h"

using enum TBrushStyle;
using enum TFontStyle;
using enum TLMDAlignment;
using enum TLMDArrowPosition;
using enum TLMDDisabledStyle;
using enum TLMDDrawTextStyle;
using enum TLMDTextArrange;

namespace {

constexpr TColor kTransparent = 0xFF00FF;

// A 16 × 16 glyph: a blue disc with a yellow centre on the transparent colour.
std::unique_ptr<TBitmap> MakeDiscGlyph() {
  auto glyph = MakeSurface(16, 16, kTransparent);
  TCanvas& canvas = *glyph->Canvas();
  canvas.Pen()->SetColor(clNavy);
  canvas.Brush()->SetColor(clBlue);
  canvas.Ellipse(1, 1, 15, 15);
  canvas.Brush()->SetColor(clYellow);
  canvas.Ellipse(5, 5, 11, 11);
  glyph->SetTransparentColor(kTransparent);
  return glyph;
}

class LayoutPicture : public ::testing::Test {
 protected:
  LayoutPicture() {
    font_.SetName("MS Sans Serif");
    font_.SetHeight(-11);
    font_.SetStyle(TFontStyles{fsBold});
  }

  // One cell on the button face; returns what the layout placed.
  TLMDTextGlyphRects DrawCell(const RECT& cell, const AnsiString& text, TLMDDrawTextStyles styles = {dtEnabled},
                              bool wordBreak = false) {
    TCanvas& canvas = *picture_->Canvas();
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(clBtnFace);
    canvas.FillRect(cell);
    canvas.Brush()->SetColor(clBtnShadow);
    canvas.FrameRect(cell);
    canvas.SetFont(&font_);
    styles.Include(dtRectGlyphText);
    const TLMDTextGlyphRects rects = LMDDrawTextAndGlyphExt(&canvas, text, &effect_, cell, glyph_->Canvas(),
                                                            glyphRect_ = RECT{0, 0, 16, 16}, nullptr, kTransparent,
                                                            &layout_, wordBreak, true, true, styles, 0);
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(clRed);
    canvas.FrameRect(glyphRect_);
    return rects;
  }

  std::unique_ptr<TBitmap> picture_ = MakeSurface(480, 430, clWhite);
  std::unique_ptr<TBitmap> glyph_ = MakeDiscGlyph();
  RECT glyphRect_{};
  TFont font_;
  TLMD3DCaption effect_;
  TLMDButtonLayout layout_;
};

TEST_F(LayoutPicture, PlacementsArrangementsArrowsAndStates) {
  const AnsiString text = "Instaluj";
  for (int alignment = static_cast<int>(agTopLeft); alignment <= static_cast<int>(agBottomRight); ++alignment) {
    layout_.SetAlignment(static_cast<TLMDAlignment>(alignment));
    const RECT cell{(alignment % 3) * 160, (alignment / 3) * 50, (alignment % 3) * 160 + 156, (alignment / 3) * 50 + 46};
    const RECT glyph = DrawCell(cell, text).Glyph;
    RECT inside{};
    EXPECT_TRUE(IntersectRect(&inside, &glyph, &cell) && SameRect(inside, glyph)) << alignment;
  }

  layout_.SetAlignment(agCenter);
  for (int arrange = static_cast<int>(taLeft); arrange <= static_cast<int>(taBottomLeft); ++arrange) {
    layout_.SetAlignText2Glyph(static_cast<TLMDTextArrange>(arrange));
    const RECT cell{(arrange % 4) * 120, 150 + (arrange / 4) * 64, (arrange % 4) * 120 + 116,
                    150 + (arrange / 4) * 64 + 60};
    DrawCell(cell, text);
  }

  layout_.SetAlignText2Glyph(taRight);
  layout_.SetArrow(true);
  for (int position = static_cast<int>(apRightText); position <= static_cast<int>(apLeftGlyph); ++position) {
    layout_.SetArrowPosition(static_cast<TLMDArrowPosition>(position));
    DrawCell(RECT{position * 120, 280, position * 120 + 116, 320}, text);
  }
  layout_.SetArrow(false);

  effect_.SetDisabledStyle(ds3d);
  DrawCell(RECT{0, 330, 116, 370}, "Usuń"_a, {});
  layout_.SetOffset(0, 1);
  layout_.SetOffset(1, 1);
  DrawCell(RECT{120, 330, 236, 370}, "Usuń"_a);
  layout_.SetOffset(0, 0);
  layout_.SetOffset(1, 0);
  layout_.SetAlignText2Glyph(taTop);
  const TLMDTextGlyphRects wrapped = DrawCell(RECT{240, 330, 340, 426}, "Uruchom program TAWO", {dtEnabled}, true);
  EXPECT_GT(wrapped.Text.bottom - wrapped.Text.top, 2 * 13) << "the caption wraps onto several lines";

  EXPECT_FALSE(WritePicture(*picture_, "glyph-text-layouts.png").empty());
}

}  // namespace
