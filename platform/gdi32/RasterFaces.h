// The bitmap (raster) faces this platform knows: Windows' classic raster fonts as the Wine
// replacement files provide them, one strike per point size. Metrics are those of the fonts'
// FNT headers (the values Windows reports), not those of the sfnt containers.
#pragma once

#include <windows.h>

#include <span>
#include <string_view>

struct RasterStrike {
  int pixelHeight;
  int ascent;
  int internalLeading;
  int externalLeading;
  int averageWidth;
  int maxWidth;
  int EmHeight() const { return pixelHeight - internalLeading; }
};

struct RasterFace {
  std::string_view name;      // the Windows face name
  std::string_view fileName;  // in the Wine font folder
  LONG weight;
  BYTE pitchAndFamily;        // as TEXTMETRIC reports it
  std::span<const RasterStrike> strikes;  // ascending pixel height
};

namespace raster_faces {

// The face of that name (case-insensitive), or null.
const RasterFace* Find(std::string_view name);

// The strike a request for lfHeight gets: negative = em height, positive = cell height. The
// largest strike not above the request wins; when every strike is larger, the smallest.
const RasterStrike& ChooseStrike(const RasterFace& face, LONG height);

// The first and last character, the default and the break character of every raster face.
inline constexpr BYTE kFirstChar = 0x20;
inline constexpr BYTE kLastChar = 0xFF;
inline constexpr BYTE kDefaultChar = 0x81;
inline constexpr BYTE kBreakChar = 0x20;

}  // namespace raster_faces
