// Unit LMDProcs: small rectangle, number, bit, point-list and path routines.
#pragma once

#include <SysUtils.h>
#include <TypInfo.h>

#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "LMDGraph.h"

TAWO_ENUM(TLMDPathPrefix, ppWindows, ppSystem, ppProgram, ppFixed)

// Rectangles. Right and Bottom are exclusive.
RECT LMDExpandRect(const RECT& rect, int32_t n);
void LMDAdjustRect(RECT& rect, int32_t dx, int32_t dy);
void LMDAdjustRectExt(RECT& rect, int32_t dLeft, int32_t dTop, int32_t dRight, int32_t dBottom);
// The source's size scaled to fit the target with its aspect ratio kept, at the target's
// top-left corner. A source without area gives an empty rectangle there.
RECT LMDAffineRect(const RECT& source, const RECT& target);
void LMDGetRectWH(const RECT& rect, int32_t& width, int32_t& height);
// Both corners of inner pass PtInRect against outer, so a rectangle is never inside itself.
bool LMDRectinRect(const RECT& inner, const RECT& outer);
// The bounding box of the rectangle rotated by the angle, moved to the origin.
void LMDCalcRotRect(RECT& rect, int32_t angle);
// A rectangle of the object's size placed inside the container by the alignment; an object
// larger than the container overhangs it on both sides (centred) or on the far side.
RECT LMDAlignRect(TLMDAlignment alignment, const RECT& object, const RECT& container);

// Numbers. The lists must not be empty (ERangeError).
int32_t LMDMax(std::initializer_list<int32_t> values);
int32_t LMDMin(std::initializer_list<int32_t> values);
long double LMDMaxR(std::initializer_list<long double> values);
long double LMDMinR(std::initializer_list<long double> values);
int32_t LMDMidI(int32_t a, int32_t b);
void LMDSwapInt(int32_t& a, int32_t& b);
void LMDSwapString(AnsiString& a, AnsiString& b);
// Base raised to n by repeated 32-bit multiplication (wrapping); n <= 0 gives 1.
int32_t LMDExp(int32_t base, int32_t n);

// Bits of a byte.
void LMDSetBit(uint8_t& value, int bit, bool on);
void LMDSetBitUpTo(uint8_t& value, int n);
bool LMDGetBit(uint8_t value, int bit);

// Point lists. LMDMidpoint averages the first count points (count beyond the list raises
// ERangeError); count 0 leaves out unchanged.
void LMDMidpoint(const std::vector<POINT>& points, int32_t count, POINT& out);
void LMDOffsetPoints(std::vector<POINT>& points, int32_t dx, int32_t dy);
void LMDNullPoints(std::vector<POINT>& points);

// Paths.
AnsiString LMDCreatePathPrefix(TLMDPathPrefix prefix, bool trailingBackslash);
AnsiString LMDAppPath();
AnsiString LMDWindowsDirectory();
AnsiString LMDSystemDirectory();
AnsiString LMDExtractFileName(const AnsiString& path);
AnsiString LMDAppIniName();
