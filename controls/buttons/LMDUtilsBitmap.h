// Unit LMDUtils, bitmap half: drawing a bitmap or a part of a canvas into a rectangle (placed,
// centred, stretched or tiled; plain, through a mask, or without its transparent colour),
// clipped drawing, and making masks.
//
// Mode bits: 1 clip (clipped routines only), 8 centre, 16 stretch, 32 tile, 64 leave out the
// transparent colour, 128 brush-copy the bitmap given as data, 256 draw through the mask
// canvas given as data, 512/1024 keep the aspect ratio when stretching, 4096 select and
// realise the bitmap's palette first (LMDBmpDraw; surfaces here are true colour, so the
// palette only matters to bitmaps that carry one).
#pragma once

#include <Graphics.h>
#include <TBitmap.h>
#include <TCanvas.h>

#include <windows.h>

#include <cstdint>

inline constexpr uint16_t kLMDBmpClip = 1;
inline constexpr uint16_t kLMDBmpCenter = 8;
inline constexpr uint16_t kLMDBmpStretch = 16;
inline constexpr uint16_t kLMDBmpTile = 32;
inline constexpr uint16_t kLMDBmpTransparent = 64;
inline constexpr uint16_t kLMDBmpBrushCopy = 128;
inline constexpr uint16_t kLMDBmpMasked = 256;
inline constexpr uint16_t kLMDBmpKeepWidth = 512;
inline constexpr uint16_t kLMDBmpKeepHeight = 1024;
inline constexpr uint16_t kLMDBmpPalette = 4096;

// Draws `sourceRect` of `source` into `dest` by `mode`; returns the rectangle covered (the
// first copy's, or `dest` when tiling). `data` is a TBitmap* with 128, a TCanvas* mask with 256.
RECT LMDBmpDrawExt(TCanvas* canvas, const RECT& dest, TCanvas* source, const RECT& sourceRect, uint16_t mode,
                   TColor transparent, void* data);
// LMDBmpDrawExt of the whole bitmap.
RECT LMDBmpDraw(TCanvas* canvas, const RECT& dest, TBitmap* bitmap, uint16_t mode, TColor transparent);
// As LMDBmpDrawExt; with mode bit 1 clipped to `dest` moved by `offset` (x in the low, y in
// the high 16 bits).
RECT LMDBmpClipDrawExt(TCanvas* canvas, const RECT& dest, TCanvas* source, const RECT& sourceRect, uint16_t mode,
                       int32_t offset, TColor transparent, void* data);
RECT LMDBmpClipDraw(TCanvas* canvas, const RECT& dest, TBitmap* bitmap, uint16_t mode, int32_t offset,
                    TColor transparent);
// The whole bitmap stretched over `dest`.
RECT LMDBmpStretchDraw(TCanvas* canvas, const RECT& dest, TBitmap* bitmap);
// Draws `bitmap` with its pixels of `maskColor` left out: `maskImage` takes the bitmap's size and
// its copy with those pixels black, and is drawn at `dest` without its pixels of `transparent`
// (normally black, so the masked-out pixels show the canvas).
RECT LMDMaskBmpDraw(TCanvas* canvas, const RECT& dest, TBitmap* bitmap, TColor transparent, TColor maskColor,
                    TBitmap* maskImage);

// `mask` (monochrome, white where `rect` of `canvas` has the transparent colour) and `image`
// (the rectangle's copy, black there), both of the rectangle's size.
void LMDBmpCreateMasksExt(TCanvas* canvas, const RECT& rect, TBitmap* mask, TBitmap* image, TColor transparent);
void LMDBmpCreateMasks(TBitmap* bitmap, TBitmap* mask, TBitmap* image, TColor transparent);
// The embossed look of a disabled picture: `dest` is filled with the source's transparent
// colour, and every pixel of `source` that is neither that colour nor white is painted in
// clBtnHighlight one pixel down and right, then in clBtnShadow at (x, y).
void LMDBmpDrawDisabledState(TBitmap* dest, TBitmap* source, int32_t x, int32_t y);
// `dest` becomes a four-level gray copy of `source` (white, clBtnHighlight, clBtnShadow,
// black) relative to the picture's average brightness; pixels of the colour at (0, 0) stay.
void LMDBmpCreateGrayscale(TBitmap* dest, TBitmap* source);
// `bitmap` takes the rectangle's size, filled with `color`; nothing for an empty rectangle.
void LMDBmpCreateFromRect(TBitmap* bitmap, const RECT& rect, TColor color);
void LMDCopyBmpSize(TBitmap* source, TBitmap* dest);
