// Unit LMDUtils, text half: drawing and measuring text with a caption effect (TLMD3DCaption,
// TLMDFxCaption), and the text-drawing style set the button routines share.
//
// A nil effect object means plain text. Measuring works on the screen's device context and
// creates no bitmap.
#pragma once

#include "LMD3DCaption.h"

#include <LMDProcs.h>

#include <TCanvas.h>
#include <TFont.h>
#include <TypInfo.h>

#include <windows.h>

#include <cstdint>

TAWO_ENUM(TLMDDrawTextStyle, dtDisabled, dtEnabled, dt3DDisabled, dtClip, dtAccelChar, dtAutoSize, dtRectText,
          dtRectGlyph, dtRectGlyphText, dtCalculate)
using TLMDDrawTextStyles = TSet<TLMDDrawTextStyle>;


// Draws the text with the effect: one DrawTextEx pass (one ExtTextOut pass when the FX effect
// rotates) per copy, each in its colour and moved from the previous copy's place. Without
// dtEnabled the effect's DisabledStyle decides the look. With dtClip nothing is painted outside
// the clip rectangle (the destination when clip is null). The canvas's brush is left clear and
// its font colour at the face's colour; the outline style leaves the pen solid, in the face's
// colour and ShadowDepth wide. An empty text or destination leaves the canvas untouched.
void LMDDrawTextExt(TCanvas* canvas, const AnsiString& text, const TLMD3DCaption* effect, const RECT& dest,
                    UINT format, TLMDDrawTextStyles styles, const RECT* clip);
// LMDDrawTextExt enabled and without a clip rectangle.
void LMDDrawText(TCanvas* canvas, const AnsiString& text, const TLMD3DCaption* effect, const RECT& dest,
                 uint16_t format);

// The size the text needs with the effect, in `rect` (Right and Bottom grow; a rotating FX
// effect puts the rotated text's bounding box at the origin instead). Right and Bottom also
// grow by 2 · (margins + 1). An FX effect gets the text's position in that rectangle: 0, 0
// unrotated, the place that centres the rotated text otherwise. The canvas measures on the
// screen's device context with the font (its own when font is null) and gets its previous
// device context back afterwards.
void LMDDrawTextCalcExt(TCanvas* canvas, const AnsiString& text, TLMD3DCaption* effect, RECT& rect, TFont* font,
                        bool wordBreak, bool accelChar, int32_t margins, UINT extraFormat);
// LMDDrawTextCalcExt on a canvas of its own.
void LMDDrawTextCalc(const AnsiString& text, TLMD3DCaption* effect, RECT& rect, TFont* font, bool wordBreak,
                     bool accelChar, int32_t margins, UINT extraFormat);
// Where the text stands when its measured rectangle is aligned inside `rect`.
RECT LMDAlignTextRect(TLMDAlignment alignment, const AnsiString& text, TLMD3DCaption* effect, const RECT& rect,
                      TFont* font, bool wordBreak, bool accelChar, UINT extraFormat);

// The width of one line of text in the font with the effect's tracing and the pixels its
// light and shadow copies add; the plain width without an effect.
int32_t LMDGet3DTextWidth(const AnsiString& text, const TLMD3DCaption* effect, TFont* font);
// The height of "W" in the font plus the pixels the effect's copies add.
int32_t LMDGet3DTextHeight(const TLMD3DCaption* effect, TFont* font);
// The height of "W" in the font; 0 when it cannot be measured.
int32_t LMDGetFontHeight(TFont* font);
// Only TrueType fonts can be rotated.
bool LMDIsTrueTypeFont(TFont* font);
bool LMDIsTrueTypeFontCheck(TCanvas* canvas);
