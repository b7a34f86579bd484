// Unit LMDGraph: the shared types of the painting routines and sub-objects (bevel and border
// styles, gradient styles, frame sides, the width and count subranges) and the focus-style
// conversion.
#pragma once

#include <Graphics.h>
#include <SysUtils.h>
#include <TypInfo.h>

#include <cstdint>
#include <type_traits>
#include <vector>

TAWO_ENUM(TLMDBevelStyle, bvNone, bvLowered, bvRaised, bvFrameLowered, bvFrameRaised, bvNormal, bvShadow)
TAWO_ENUM(TLMDBorderStyle, lsNone, lsSingle, lsLowered, lsRaised, lsRaisedspb, lsLoweredspb, lsRaisedExt,
          lsLoweredExt, lsFrameInset, lsFrameOffset, lsWindowBorder, lsSingleRaised, lsSingleLowered,
          lsDoubleRaised, lsDoubleLowered)
TAWO_ENUM(TLMDGlyphTextFocusStyle, fcControl, fcText, fcGlyph, fcGlyphText, fcNone)
TAWO_ENUM(TLMDGradientStyle, gstHorizontal, gstVertical, gstSquare, gstElliptic, gstTopLeft, gstTopRight,
          gstBottomLeft, gstBottomRight, gstTopLeftDiagonal, gstTopRightDiagonal)
TAWO_ENUM(TLMDFrameSide, fsBottom, fsLeft, fsRight, fsTop)
TAWO_ENUM(TLMDAlignment, agTopLeft, agTopCenter, agTopRight, agCenterLeft, agCenter, agCenterRight, agBottomLeft,
          agBottomCenter, agBottomRight)
using TLMDFrameSides = TSet<TLMDFrameSide>;

inline constexpr TLMDFrameSides kLMDAllFrameSides{TLMDFrameSide::fsBottom, TLMDFrameSide::fsLeft,
                                                  TLMDFrameSide::fsRight, TLMDFrameSide::fsTop};

// A gradient's colour table and the stops of a multi-colour gradient: plain RGB values
// (stops may also be system colours), index 0 first.
using TLMDColorList = std::vector<TColor>;

// Subranges, stored in one byte each. Setters check their values with LMDCheckRange.
using TLMDBevelWidth = uint8_t;    // 0..50
using TLMDBorderWidth = uint8_t;   // 0..255
using TLMDColorCount = uint8_t;    // 2..236
using TLMDShadowDepth = uint8_t;   // 0..40
using TLMDPercent = uint8_t;       // 0..100

struct TLMDRange {
  int32_t Low;
  int32_t High;
};
inline constexpr TLMDRange kLMDBevelWidthRange{0, 50};
inline constexpr TLMDRange kLMDBorderWidthRange{0, 255};
inline constexpr TLMDRange kLMDColorCountRange{2, 236};
inline constexpr TLMDRange kLMDShadowDepthRange{0, 40};
inline constexpr TLMDRange kLMDPercentRange{0, 100};

// The value as a byte of its subrange; a value outside it raises ERangeError (a damaged form
// description must not wrap around silently).
uint8_t LMDCheckRange(int32_t value, TLMDRange range);
// The same check of an enumeration's value against its values from `low` to `high`.
template <class E>
  requires std::is_enum_v<E>
void LMDCheckRange(E value, E low, E high) {
  LMDCheckRange(static_cast<int32_t>(value), TLMDRange{static_cast<int32_t>(low), static_cast<int32_t>(high)});
}

// The flag word of a focus style: fcText 64, fcGlyph 128, fcGlyphText 256, otherwise 0.
uint16_t LMDConvertFocusStyle(TLMDGlyphTextFocusStyle style);
