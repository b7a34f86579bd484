#include "LMDUtilsLayout.h"

#include "LMDButtonLayout.h"

#include <Graphics.h>
#include <LMDUtils.h>
#include <SysUtils.h>

#include <algorithm>
#include <cstdlib>

namespace {

int32_t WidthOf(const RECT& rect) { return rect.right - rect.left; }
int32_t HeightOf(const RECT& rect) { return rect.bottom - rect.top; }

RECT Grown(RECT rect, int32_t by) {
  InflateRect(&rect, by, by);
  return rect;
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
  int32_t Room() const { return Width + Indent; }
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

// Where text and glyph stand inside their block, and the block's size.
struct TArrangement {
  POINT Text{};
  POINT Glyph{};
  SIZE Block{};
};

TArrangement ArrangeSideBySide(TLMDTextArrange arrange, SIZE text, SIZE glyph, int32_t spacing) {
  const int32_t height = std::max(text.cy, glyph.cy);
  const int32_t textY = height > text.cy ? (height - text.cy) / 2 : 0;
  const int32_t glyphY = height > text.cy ? 0 : (height - glyph.cy) / 2;
  const SIZE block{text.cx + spacing + glyph.cx, height};
  switch (arrange) {
    case taLeft: return {POINT{0, textY}, POINT{text.cx + spacing, glyphY}, block};
    case taLeftTop: return {POINT{0, textY}, POINT{text.cx + spacing, 0}, block};
    case taRight: return {POINT{glyph.cx + spacing, textY}, POINT{0, glyphY}, block};
    default: return {POINT{glyph.cx + spacing, textY}, POINT{0, 0}, block};
  }
}

TArrangement ArrangeStacked(TLMDTextArrange arrange, SIZE text, SIZE glyph, int32_t spacing) {
  const int32_t width = std::max(text.cx, glyph.cx);
  const int32_t textX = width > text.cx ? (width - text.cx) / 2 : 0;
  const int32_t glyphX = width > text.cx ? 0 : (width - glyph.cx) / 2;
  const SIZE block{width, text.cy + spacing + glyph.cy};
  switch (arrange) {
    case taTop: return {POINT{textX, 0}, POINT{glyphX, text.cy + spacing}, block};
    case taTopLeft: return {POINT{textX, 0}, POINT{0, text.cy + spacing}, block};
    case taBottom: return {POINT{textX, glyph.cy + spacing}, POINT{glyphX, 0}, block};
    default: return {POINT{textX, glyph.cy + spacing}, POINT{0, 0}, block};
  }
}

TArrangement Arrange(TLMDTextArrange arrange, const RECT& text, const RECT& glyph, int32_t spacing) {
  const SIZE textSize{WidthOf(text), HeightOf(text)};
  const SIZE glyphSize{WidthOf(glyph), HeightOf(glyph)};
  return arrange <= taRightTop ? ArrangeSideBySide(arrange, textSize, glyphSize, spacing)
                               : ArrangeStacked(arrange, textSize, glyphSize, spacing);
}

// The DrawText bits that align wrapped text in its rectangle as the block is aligned.
UINT AlignmentFormat(TLMDAlignment alignment) {
  static constexpr UINT kColumn[] = {0, DT_CENTER, DT_RIGHT};
  static constexpr UINT kRow[] = {0, DT_VCENTER, DT_BOTTOM};
  return kColumn[alignment % 3] | kRow[alignment / 3];
}

// A downward arrow at x, centred vertically on the element it stands beside.
void PaintArrow(TCanvas* canvas, const TArrow& arrow, int32_t x, const RECT& beside, bool enabled) {
  const int32_t y = beside.top + HeightOf(beside) / 2 - arrow.Size / 2;
  LMDDrawTriangle(canvas, x, y, arrow.Size, arrow.Color, true, enabled);
}

// Sets a device context's text and background colours and puts the previous ones back.
class TDcColours {
 public:
  TDcColours(HDC dc, TColor text, TColor background)
      : FDC(dc), FText(SetTextColor(dc, ColorToRGB(text))), FBackground(SetBkColor(dc, ColorToRGB(background))) {}
  ~TDcColours() {
    SetTextColor(FDC, FText);
    SetBkColor(FDC, FBackground);
  }
  TDcColours(const TDcColours&) = delete;
  TDcColours& operator=(const TDcColours&) = delete;

 private:
  HDC FDC;
  COLORREF FText;
  COLORREF FBackground;
};

// Paints the image where the mask is black and keeps the destination where it is white; the
// image must be black where the mask is white.
void DrawThroughMask(TCanvas* canvas, POINT at, SIZE size, HDC image, POINT imageAt, HDC mask) {
  HDC dc = canvas->Handle();
  const TDcColours colours(dc, clBlack, clWhite);
  BitBlt(dc, at.x, at.y, size.cx, size.cy, mask, imageAt.x, imageAt.y, SRCAND);
  BitBlt(dc, at.x, at.y, size.cx, size.cy, image, imageAt.x, imageAt.y, SRCPAINT);
}

// A monochrome device-dependent bitmap in a memory device context of its own: blits into it
// turn the source's background colour into white, blits out of it paint white as the target's
// background colour and black as its text colour.
class TMonoBitmap {
 public:
  explicit TMonoBitmap(SIZE size)
      : FDC(CreateCompatibleDC(nullptr)), FBitmap(CreateBitmap(size.cx, size.cy, 1, 1, nullptr)) {
    if (FDC == nullptr || FBitmap == nullptr) {
      Release();
      throw EOutOfResources();
    }
    FOld = SelectObject(FDC, FBitmap);
  }
  ~TMonoBitmap() { Release(); }
  TMonoBitmap(const TMonoBitmap&) = delete;
  TMonoBitmap& operator=(const TMonoBitmap&) = delete;

  HDC Handle() const { return FDC; }

 private:
  void Release() {
    if (FOld != nullptr) SelectObject(FDC, FOld);
    if (FBitmap != nullptr) DeleteObject(FBitmap);
    if (FDC != nullptr) DeleteDC(FDC);
  }

  HDC FDC;
  HBITMAP FBitmap;
  HGDIOBJ FOld = nullptr;
};

// Makes a mask (white where the glyph has the transparent colour) and an image (black there)
// of the glyph and draws them.
void DrawWithoutColour(TCanvas* canvas, POINT at, SIZE size, TCanvas* glyph, POINT glyphAt, TColor transparent) {
  const TMonoBitmap mask(size);
  {
    HDC source = glyph->Handle();
    const COLORREF previous = SetBkColor(source, ColorToRGB(transparent));
    BitBlt(mask.Handle(), 0, 0, size.cx, size.cy, source, glyphAt.x, glyphAt.y, SRCCOPY);
    SetBkColor(source, previous);
  }
  TBitmap image;
  image.SetPixelFormat(pf24bit);
  image.SetSize(size.cx, size.cy);
  HDC imageDC = image.Canvas()->Handle();
  BitBlt(imageDC, 0, 0, size.cx, size.cy, glyph->Handle(), glyphAt.x, glyphAt.y, SRCCOPY);
  {
    const TDcColours colours(imageDC, clWhite, clBlack);
    BitBlt(imageDC, 0, 0, size.cx, size.cy, mask.Handle(), 0, 0, SRCAND);
  }
  DrawThroughMask(canvas, at, size, imageDC, POINT{0, 0}, mask.Handle());
}

// One copy of the glyph's source rectangle at the target's top-left: plain, through the mask
// canvas, or without its transparent colour.
void DrawGlyph(TCanvas* canvas, const RECT& target, TCanvas* glyph, const RECT& source, TCanvas* mask,
               TColor transparentColor, bool transparent) {
  const POINT at{target.left, target.top};
  const SIZE size{WidthOf(source), HeightOf(source)};
  const POINT glyphAt{source.left, source.top};
  if (transparent && mask != nullptr) {
    DrawThroughMask(canvas, at, size, glyph->Handle(), glyphAt, mask->Handle());
  } else if (transparent && transparentColor != clNone) {
    DrawWithoutColour(canvas, at, size, glyph, glyphAt, transparentColor);
  } else {
    BitBlt(canvas->Handle(), at.x, at.y, size.cx, size.cy, glyph->Handle(), glyphAt.x, glyphAt.y, SRCCOPY);
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
  const int32_t spacing = hasText == hasGlyph ? layout->Spacing() : 0;

  RECT textRect{};
  if (hasText) {
    textRect.right = std::abs(WidthOf(dest));
    LMDDrawTextCalc(text, effect, textRect, canvas->Font(), wordBreak, accelChar, 0, extraFormat);
  }
  RECT glyph = hasGlyph ? RECT{0, 0, WidthOf(glyphRect), HeightOf(glyphRect)} : RECT{};
  const TArrow arrow = ArrowOf(*layout);
  if (arrow.BesideText()) textRect.right += arrow.Room();
  if (arrow.BesideGlyph()) glyph.right += arrow.Room();

  const bool calculating = styles.Contains(dtCalculate);
  if (calculating) styles.Include(dtRectGlyphText);

  const TArrangement arrangement = Arrange(layout->AlignText2Glyph(), textRect, glyph, spacing);
  OffsetRect(&textRect, arrangement.Text.x, arrangement.Text.y);
  OffsetRect(&glyph, arrangement.Glyph.x, arrangement.Glyph.y);
  if (!styles.Contains(dtAutoSize)) {
    const RECT block = LMDAlignRect(layout->Alignment(), RECT{0, 0, arrangement.Block.cx, arrangement.Block.cy}, dest);
    OffsetRect(&textRect, block.left + 1, block.top + 1);
    OffsetRect(&glyph, block.left, block.top);
  }
  if (arrow.Present && arrow.Position == apLeftText) OffsetRect(&textRect, arrow.Room(), 0);

  UINT format = extraFormat | DT_NOCLIP | DT_WORDBREAK;
  if (wordBreak) format |= AlignmentFormat(layout->Alignment());
  canvas->Brush()->SetStyle(bsClear);

  OffsetRect(&textRect, layout->OffsetX(), layout->OffsetY());
  OffsetRect(&glyph, layout->OffsetX(), layout->OffsetY());
  if (!calculating) LMDDrawTextExt(canvas, text, effect, textRect, format, styles, nullptr);
  result.Text = textRect;
  if (styles.Contains(dtRectText)) focus.Choose(textRect, true);

  const bool enabled = styles.Contains(dtEnabled);
  if (arrow.BesideText() && !calculating) {
    const int32_t x = arrow.Position == apLeftText ? textRect.left - arrow.Room()
                      : wordBreak                  ? textRect.right - arrow.Size - 1
                                                   : textRect.right - arrow.Width - 1;
    PaintArrow(canvas, arrow, x, textRect, enabled);
  }
  if (arrow.Present && arrow.Position == apLeftGlyph) OffsetRect(&glyph, arrow.Room(), 0);

  if (hasGlyph && !calculating) {
    DrawGlyph(canvas, glyph, glyphCanvas, glyphRect, maskCanvas, transparentColor, transparentGlyph);
  }
  if (styles.Contains(dtRectGlyph)) focus.Choose(glyph, false);
  result.Glyph = glyph;

  UnionRect(&result.Both, &glyph, &textRect);
  if (styles.Contains(dtRectGlyphText)) focus.Choose(result.Both, true);

  if (arrow.BesideGlyph() && !calculating) {
    const int32_t x = arrow.Position == apRightGlyph ? glyph.right - arrow.Width : glyph.left - arrow.Room();
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
