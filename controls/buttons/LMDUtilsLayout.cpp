#include "LMDUtilsLayout.h"

#include "LMDButtonLayout.h"
#include "LMDUtilsBitmap.h"

#include <Graphics.h>
#include <LMDUtils.h>
#include <SysUtils.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

using enum TBrushStyle;
using enum TLMDArrowPosition;
using enum TLMDDrawTextStyle;
using enum TLMDTextArrange;

namespace {

// Positions are worked out in 64 bits and held at the ends of the 32-bit range, so that extreme
// spacings, offsets or rectangles from a form description move things far away instead of
// overflowing.
LONG Saturated(int64_t value) { return static_cast<LONG>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX)); }

int64_t WidthOf(const RECT& rect) { return int64_t{rect.right} - rect.left; }
int64_t HeightOf(const RECT& rect) { return int64_t{rect.bottom} - rect.top; }

RECT Moved(const RECT& rect, int64_t dx, int64_t dy) {
  return RECT{Saturated(rect.left + dx), Saturated(rect.top + dy), Saturated(rect.right + dx),
              Saturated(rect.bottom + dy)};
}

RECT Grown(const RECT& rect, int64_t by) {
  return RECT{Saturated(rect.left - by), Saturated(rect.top - by), Saturated(rect.right + by),
              Saturated(rect.bottom + by)};
}

// The drop-down arrow of a button layout; Present is false for a plain layout.
struct TArrow {
  bool Present = false;
  TLMDArrowPosition Position = apRightText;
  int32_t Size = 0;
  int32_t Width = 0;
  int32_t Indent = 0;
  TColor Color = clBlack;

  bool BesideText() const { return Present && (Position == apRightText || Position == apLeftText); }
  bool BesideGlyph() const { return Present && !BesideText(); }
  // The room it takes beside its element: itself and the gap.
  int64_t Room() const { return int64_t{Width} + Indent; }
};

TArrow ArrowOf(const TLMDGlyphTextLayout& layout) {
  const auto* button = dynamic_cast<const TLMDButtonLayout*>(&layout);
  if (button == nullptr || !button->Arrow()) return TArrow{};
  return TArrow{true,
                button->ArrowPosition(),
                button->ArrowSize(),
                button->ArrowWidth(),
                button->ArrowIndent(),
                button->ArrowColor()};
}

struct TPair {
  int64_t X = 0;
  int64_t Y = 0;
};

// Where text and glyph stand inside their block, and the block's size.
struct TArrangement {
  TPair Text;
  TPair Glyph;
  TPair Block;
};

TArrangement ArrangeSideBySide(TLMDTextArrange arrange, TPair text, TPair glyph, int64_t spacing) {
  const int64_t height = std::max(text.Y, glyph.Y);
  const int64_t textY = height > text.Y ? (height - text.Y) / 2 : 0;
  const int64_t glyphY = height > text.Y ? 0 : (height - glyph.Y) / 2;
  const TPair block{text.X + spacing + glyph.X, height};
  switch (arrange) {
    case taLeft: return {{0, textY}, {text.X + spacing, glyphY}, block};
    case taLeftTop: return {{0, textY}, {text.X + spacing, 0}, block};
    case taRight: return {{glyph.X + spacing, textY}, {0, glyphY}, block};
    default: return {{glyph.X + spacing, textY}, {0, 0}, block};
  }
}

TArrangement ArrangeStacked(TLMDTextArrange arrange, TPair text, TPair glyph, int64_t spacing) {
  const int64_t width = std::max(text.X, glyph.X);
  const int64_t textX = width > text.X ? (width - text.X) / 2 : 0;
  const int64_t glyphX = width > text.X ? 0 : (width - glyph.X) / 2;
  const TPair block{width, text.Y + spacing + glyph.Y};
  switch (arrange) {
    case taTop: return {{textX, 0}, {glyphX, text.Y + spacing}, block};
    case taTopLeft: return {{textX, 0}, {0, text.Y + spacing}, block};
    case taBottom: return {{textX, glyph.Y + spacing}, {glyphX, 0}, block};
    default: return {{textX, glyph.Y + spacing}, {0, 0}, block};
  }
}

TArrangement Arrange(TLMDTextArrange arrange, const RECT& text, const RECT& glyph, int64_t spacing) {
  const TPair textSize{WidthOf(text), HeightOf(text)};
  const TPair glyphSize{WidthOf(glyph), HeightOf(glyph)};
  return arrange <= taRightTop ? ArrangeSideBySide(arrange, textSize, glyphSize, spacing)
                               : ArrangeStacked(arrange, textSize, glyphSize, spacing);
}

// The DrawText bits that align wrapped text in its rectangle as the block is aligned.
UINT AlignmentFormat(TLMDAlignment alignment) {
  static constexpr UINT kColumn[] = {0, DT_CENTER, DT_RIGHT};
  static constexpr UINT kRow[] = {0, DT_VCENTER, DT_BOTTOM};
  const auto ordinal = static_cast<size_t>(alignment);
  return kColumn[ordinal % 3] | kRow[ordinal / 3];
}

// A downward arrow at x, centred vertically on the element it stands beside.
void PaintArrow(TCanvas* canvas, const TArrow& arrow, int64_t x, const RECT& beside, bool enabled) {
  const int64_t y = beside.top + HeightOf(beside) / 2 - arrow.Size / 2;
  LMDDrawTriangle(canvas, Saturated(x), Saturated(y), arrow.Size, arrow.Color, true, enabled);
}

// One copy of the glyph's source rectangle at the target's top-left (none for an empty
// target): plain, through the mask canvas, or without its transparent colour.
void DrawGlyph(TCanvas* canvas, const RECT& at, TCanvas* glyph, const RECT& source, TCanvas* mask,
               TColor transparentColor, bool transparent) {
  if (transparent && mask != nullptr) {
    LMDBmpDrawExt(canvas, at, glyph, source, kLMDBmpMasked, 0, mask);
  } else if (transparent && transparentColor != clNone) {
    LMDBmpDrawExt(canvas, at, glyph, source, kLMDBmpTransparent, transparentColor, nullptr);
  } else {
    LMDBmpDrawExt(canvas, at, glyph, source, 0, 0, nullptr);
  }
}

// The focus rectangle: the one a style chose, or the destination shrunk by 1.
class TFocus {
 public:
  // A style's choice; an empty rectangle (nothing there to frame) is no choice.
  void Choose(const RECT& rect, bool grow) {
    if (IsRectEmpty(&rect)) return;
    FRect = grow ? Grown(rect, 1) : rect;
    FChosen = true;
  }
  RECT Result(const RECT& dest, bool calculating) const {
    const RECT focus = FChosen ? FRect : Grown(dest, -1);
    return calculating ? Grown(focus, 1) : focus;
  }

 private:
  RECT FRect{};
  bool FChosen = false;
};

}  // namespace

TLMDTextGlyphRects LMDDrawTextAndGlyphExt(TCanvas* canvas, const AnsiString& text, TLMD3DCaption* effect,
                                          const RECT& dest, TCanvas* glyphCanvas, RECT& glyphRect,
                                          TCanvas* maskCanvas, TColor transparentColor, TLMDGlyphTextLayout* layout,
                                          bool wordBreak, bool accelChar, bool transparentGlyph,
                                          TLMDDrawTextStyles styles, UINT extraFormat) {
  if (canvas == nullptr) throw EInvalidPointer("No canvas to draw text and glyph on");
  if (layout == nullptr) throw EInvalidPointer("No layout to place text and glyph with");
  TLMDTextGlyphRects result{};
  TFocus focus;
  const bool hasGlyph = glyphCanvas != nullptr && !IsRectEmpty(&glyphRect);
  const bool hasText = !text.empty();
  const int64_t spacing = hasText == hasGlyph ? layout->Spacing() : 0;

  RECT textRect{};
  if (hasText) {
    textRect.right = Saturated(std::abs(WidthOf(dest)));
    LMDDrawTextCalc(text, effect, textRect, canvas->Font(), wordBreak, accelChar, 0, extraFormat);
  }
  RECT glyph = hasGlyph ? RECT{0, 0, Saturated(WidthOf(glyphRect)), Saturated(HeightOf(glyphRect))} : RECT{};
  const TArrow arrow = ArrowOf(*layout);
  if (arrow.BesideText()) textRect.right = Saturated(textRect.right + arrow.Room());
  if (arrow.BesideGlyph()) glyph.right = Saturated(glyph.right + arrow.Room());

  const bool calculating = styles.Contains(dtCalculate);
  if (calculating) styles.Include(dtRectGlyphText);

  const TArrangement arrangement = Arrange(layout->AlignText2Glyph(), textRect, glyph, spacing);
  textRect = Moved(textRect, arrangement.Text.X, arrangement.Text.Y);
  glyph = Moved(glyph, arrangement.Glyph.X, arrangement.Glyph.Y);
  if (!styles.Contains(dtAutoSize)) {
    const RECT blockSize{0, 0, Saturated(arrangement.Block.X), Saturated(arrangement.Block.Y)};
    const RECT block = LMDAlignRect(layout->Alignment(), blockSize, dest);
    textRect = Moved(textRect, int64_t{block.left} + 1, int64_t{block.top} + 1);
    glyph = Moved(glyph, block.left, block.top);
  }
  if (arrow.Present && arrow.Position == apLeftText) textRect = Moved(textRect, arrow.Room(), 0);

  UINT format = extraFormat | DT_NOCLIP | DT_WORDBREAK;
  if (wordBreak) format |= AlignmentFormat(layout->Alignment());
  canvas->Brush()->SetStyle(bsClear);

  textRect = Moved(textRect, layout->OffsetX(), layout->OffsetY());
  glyph = Moved(glyph, layout->OffsetX(), layout->OffsetY());
  if (!calculating) LMDDrawTextExt(canvas, text, effect, textRect, format, styles, nullptr);
  result.Text = textRect;
  if (styles.Contains(dtRectText)) focus.Choose(textRect, true);

  const bool enabled = styles.Contains(dtEnabled);
  if (arrow.BesideText() && !calculating) {
    const int64_t x = arrow.Position == apLeftText ? textRect.left - arrow.Room()
                      : wordBreak                  ? int64_t{textRect.right} - arrow.Size - 1
                                                   : int64_t{textRect.right} - arrow.Width - 1;
    PaintArrow(canvas, arrow, x, textRect, enabled);
  }
  if (arrow.Present && arrow.Position == apLeftGlyph) glyph = Moved(glyph, arrow.Room(), 0);

  if (hasGlyph && !calculating) {
    DrawGlyph(canvas, glyph, glyphCanvas, glyphRect, maskCanvas, transparentColor, transparentGlyph);
  }
  if (styles.Contains(dtRectGlyph)) focus.Choose(glyph, false);
  result.Glyph = glyph;

  UnionRect(&result.Both, &glyph, &textRect);
  if (styles.Contains(dtRectGlyphText)) focus.Choose(result.Both, true);

  if (arrow.BesideGlyph() && !calculating) {
    const int64_t x = arrow.Position == apRightGlyph ? int64_t{glyph.right} - arrow.Width : glyph.left - arrow.Room();
    PaintArrow(canvas, arrow, x, glyph, enabled);
  }
  glyphRect = focus.Result(dest, calculating);
  return result;
}

TLMDTextGlyphRects LMDDrawTextAndGlyph(TCanvas* canvas, const AnsiString& text, TLMD3DCaption* effect,
                                       const RECT& dest, TBitmap* mask, TBitmap* glyph, TLMDGlyphTextLayout* layout,
                                       bool wordBreak, bool accelChar, bool transparentGlyph,
                                       TLMDDrawTextStyles styles, UINT extraFormat) {
  const bool hasGlyph = glyph != nullptr && !glyph->Empty();
  RECT glyphRect = hasGlyph ? RECT{0, 0, glyph->Width(), glyph->Height()} : RECT{};
  return LMDDrawTextAndGlyphExt(canvas, text, effect, dest, hasGlyph ? glyph->Canvas() : nullptr, glyphRect,
                                mask != nullptr ? mask->Canvas() : nullptr, hasGlyph ? glyph->TransparentColor() : clNone,
                                layout, wordBreak, accelChar, transparentGlyph, styles, extraFormat);
}
