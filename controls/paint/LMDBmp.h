// Unit LMDBmp: pixel routines on 24-bit bitmaps (blue, green, red per pixel). Each reads the
// rectangle of the source (Right and Bottom exclusive) and writes the result into the target
// with the rectangle's top-left corner at the point. Source and target may be the same bitmap,
// also with overlapping areas: the source area is read whole before anything is written.
// A bitmap that is not pf24bit raises ELMDWrongPixelFormat; a rectangle or target area outside
// its bitmap raises ELMDWrongBmpSize. An empty rectangle changes nothing.
#pragma once

#include "ELMDWrongBmpSize.h"
#include "ELMDWrongPixelFormat.h"

#include <TBitmap.h>

#include <windows.h>

#include <cstdint>

// Brightness deltas: -255..255.
using TLMDBrightness = int16_t;

// grey = 0.3 red + 0.59 green + 0.11 blue (each term rounded), written to all three bytes.
void LMDBMPGrayScale(TBitmap* source, const RECT& rect, TBitmap* target, const POINT& point);
// Each byte becomes 255 - byte.
void LMDBMPInvert(TBitmap* source, const RECT& rect, TBitmap* target, const POINT& point);
// Each byte + delta, kept to 0..255.
void LMDBMPBrightness(TBitmap* source, const RECT& rect, TBitmap* target, const POINT& point, TLMDBrightness delta);
// Mirrors every row of the rectangle left to right.
void LMDBMPFlipVertical(TBitmap* source, const RECT& rect, TBitmap* target, const POINT& point);
// Mirrors the rectangle's rows top to bottom.
void LMDBMPFlipHorizonzal(TBitmap* source, const RECT& rect, TBitmap* target, const POINT& point);
// target = s2 + (s1 - s2) * alpha per byte, s1 from the rectangle of source1, s2 from source2's
// area at point2. Alpha is taken within 0..1 (a non-number as 0), so every byte stays a blend.
void LMDBMPAlphaBlend(TBitmap* source1, TBitmap* source2, const RECT& rect, const POINT& targetPoint,
                      TBitmap* target, float alpha, const POINT& point2);
