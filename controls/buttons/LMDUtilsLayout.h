// Unit LMDUtils, layout part: measuring, placing and painting a control's text, glyph and
// drop-down arrow in one go, as a TLMDGlyphTextLayout or TLMDButtonLayout says.
#pragma once

#include "LMDGlyphTextLayout.h"
#include "LMDUtilsText.h"

#include <TBitmap.h>
#include <TCanvas.h>

#include <windows.h>

// Where LMDDrawTextAndGlyphExt put things, in the canvas's coordinates.
struct TLMDTextGlyphRects {
  RECT Both;     // the union of text and glyph
  RECT Text;     // the text's rectangle (with its effect's depth and the arrow beside it)
  RECT Glyph;    // the glyph's rectangle (with the arrow beside it)
  RECT Unused;   // always empty
};

// Places text and glyph inside `dest` and, unless dtCalculate is in `styles`, paints them: the
// text with the effect (may be null), the glyph's `glyphRect` of `glyphCanvas` (null: no glyph)
// plainly, or with transparent pixels left out when `transparentGlyph` is set, through the
// mask canvas (its same rectangle, white where transparent) or, without one, wherever the
// glyph has `transparentColor`. A button layout may add a drop-down arrow. Style bits
// dtRectText, dtRectGlyph and dtRectGlyphText choose the focus rectangle, which comes back in
// `glyphRect`; without them it is `dest` shrunk by 1. With dtAutoSize the block stays at the
// origin. The canvas's brush is left clear.
TLMDTextGlyphRects LMDDrawTextAndGlyphExt(TCanvas* canvas, const AnsiString& text, TLMD3DCaption* effect,
                                          const RECT& dest, TCanvas* glyphCanvas, RECT& glyphRect,
                                          TCanvas* maskCanvas, TColor transparentColor, TLMDGlyphTextLayout* layout,
                                          bool wordBreak, bool accelChar, bool transparentGlyph,
                                          TLMDDrawTextStyles styles, UINT extraFormat);

// LMDDrawTextAndGlyphExt with a whole bitmap as glyph (none when null or empty) and its
// transparent colour; the mask bitmap (may be null) has the glyph's size.
TLMDTextGlyphRects LMDDrawTextAndGlyph(TCanvas* canvas, const AnsiString& text, TLMD3DCaption* effect,
                                       const RECT& dest, TBitmap* mask, TBitmap* glyph, TLMDGlyphTextLayout* layout,
                                       bool wordBreak, bool accelChar, bool transparentGlyph,
                                       TLMDDrawTextStyles styles, UINT extraFormat);
