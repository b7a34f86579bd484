// Unit LMDUtils: the border painters every bevelled control goes through, the minor frame
// primitives, and the gradient routines (colour tables, palettes, painting).
//
// The painters work on the rectangle they are given and, where they say so, shrink it to the
// area inside the border. They leave the canvas's pen and brush as they set them.
#pragma once

#include "LMDGraph.h"

#include <Forms.h>
#include <TCanvas.h>

#include <windows.h>

#include <cstdint>

// ---- Frames and borders --------------------------------------------------------------------

// A 3D frame of `width` pixels: lowered and raised styles take width pixels from each side,
// the frame styles width + 1. True when something was painted.
bool LMDDrawFrame3D(TCanvas* canvas, RECT& rect, TLMDBevelStyle style, TColor lightColor, TColor shadowColor,
                    int32_t width);
// A standard border through DrawEdge; BF_ADJUST is always added to `flags`. Always true.
bool LMDDrawStdFrame(TCanvas* canvas, RECT& rect, TLMDBorderStyle style, uint16_t flags);
// The nominal width of a standard border on each side.
int32_t LMDDrawStdFrameExt(TLMDBorderStyle style);
// A frame with a shadow offset by `depth` to the right and bottom. The rectangle comes back as
// the area inside the frame. `flags` is not used. Always true.
bool LMDDrawFrameShadow(TCanvas* canvas, RECT& rect, TColor frameColor, TColor shadowColor, TColor cornerColor,
                        TLMDShadowDepth depth, uint8_t frameWidth, bool transparent, uint16_t flags);
// A one-pixel border: top and left in one colour, bottom and right in the other.
void LMDDrawBorder(TCanvas* canvas, const RECT& rect, TColor topLeftColor, TColor bottomRightColor);
// A small solid triangle of horizontal lines; sizes outside 2..15 paint nothing.
void LMDDrawTriangle(TCanvas* canvas, int32_t x, int32_t y, int32_t size, TColor color, bool pointingDown,
                     bool enabled);
// 2 (3D) or 1 for a single form border, 0 for any other border style.
int32_t LMDGetCtrlBorderWidth(bool ctl3D, TFormBorderStyle borderStyle);

// ---- Gradients ------------------------------------------------------------------------------

// Flags of LMDGradientPaintExt and the routines that forward to it.
inline constexpr uint16_t LMD_GRADIENT_CLIP = 0x0001;     // clip to the rectangle (not with buffering)
inline constexpr uint16_t LMD_GRADIENT_BUFFER = 0x0004;   // paint off-screen, then copy
inline constexpr uint16_t LMD_GRADIENT_PALETTE = 0x1000;  // realise the palette, palette-relative colours

// The colour at `index` of `count` steps from start to end (system colours are not resolved).
// A count of 0 raises EZeroDivide.
TColor LMDGradientGetColor(TColor startColor, TColor endColor, int32_t index, int32_t count);
// Appends `count` interpolated colours; without clearFirst the start colour is left out, so
// consecutive segments share their joint colour once.
void LMDGradientCreateColorList(TColor startColor, TColor endColor, uint8_t count, TLMDColorList* list,
                                bool clearFirst);
// A logical palette of the list's colours (the caller deletes it); null for a missing or
// empty list.
HPALETTE LMDGradientCreatePalette(const TLMDColorList* list);
// Paints the colours as bands or nested shapes. The offset's low and high words move the clip
// region of LMD_GRADIENT_CLIP into device coordinates.
void LMDGradientPaintExt(TCanvas* canvas, const RECT& rect, TLMDGradientStyle style, const TLMDColorList* colors,
                         HPALETTE palette, uint16_t flags, int32_t offset);
void LMDGradientPaint(TCanvas* canvas, const RECT& rect, TColor startColor, TColor endColor, uint8_t count,
                      TLMDGradientStyle style, uint16_t flags, int32_t offset);
// A gradient through several colours, `count` div (colours − 1) steps per segment; every
// segment leaves out its start colour, the first one included.
void LMDSuperGradientPaint(TCanvas* canvas, const RECT& rect, const TLMDColorList& colors, uint8_t count,
                           TLMDGradientStyle style, uint16_t flags, int32_t offset);
