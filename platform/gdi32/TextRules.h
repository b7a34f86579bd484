// Facts about classic GDI text output that are inferred rather than measured on Windows.
// Each lives here, and only here, so that a measurement can correct it in one place.
#pragma once

#include <windows.h>

#include <algorithm>

namespace text_rules {

// --- Font mapping ---------------------------------------------------------------------------

// A request with lfHeight 0 is served as this character (em) height.
inline constexpr LONG kDefaultHeight = -12;

// A request for a fixed pitch that names a variable-pitch face: the classic mapper weighs the
// pitch mismatch (15000) above the name mismatch (10000), so Windows substitutes a fixed-pitch
// face. Wine keeps the named face. true follows the Windows mapper.
inline constexpr bool kFixedPitchOverridesFaceName = true;

// Weight from which a face without a bold variant is emboldened synthetically (FW_BOLD
// certainly is; FW_SEMIBOLD is assumed to be).
inline constexpr LONG kSyntheticBoldMinWeight = FW_SEMIBOLD;

// Positive lfHeight (cell height) on a TrueType face: ppem = round(height * unitsPerEm /
// (usWinAscent + usWinDescent)), reduced while the cell would exceed the request (Windows refines
// this with the VDMX table, which the replacement fonts lack).
inline int CellHeightToPpem(int cellHeight, int unitsPerEm, int winAscent, int winDescent) {
  const int total = std::max(1, winAscent + winDescent);
  return std::max(1, static_cast<int>((static_cast<long long>(cellHeight) * unitsPerEm + total / 2) / total));
}

// --- Synthetic bold and italic --------------------------------------------------------------

// Synthetic raster bold: every advance grows by one pixel, the string extent by tmOverhang,
// and tmAveCharWidth and tmMaxCharWidth by the same pixel.
inline constexpr int kSyntheticBoldOverhang = 1;

// Horizontal shear of a synthetic oblique on an outline face (x += kObliqueShear * y).
inline constexpr double kObliqueShear = 0.2;

// --- Underline and strikeout on raster faces ------------------------------------------------

// Top row of the underline, counted down from the baseline row (the row at cell top + ascent):
// Windows leaves one blank row under the letters; Wine puts it on the baseline row.
inline constexpr int kRasterUnderlineBelowBaseline = 1;
inline int RasterLineThickness(int cellHeight) { return std::max(1, cellHeight / 12); }
// Top row of the strikeout line above the baseline row.
inline int RasterStrikeoutAboveBaseline(int ascent) { return ascent / 2; }

// Liberation Sans stands in for Arial; its own post-table underline (-67/150) would sit on the
// baseline, so Arial's commonly quoted values are used for it instead.
inline constexpr int kArialUnderlinePosition = -217;
inline constexpr int kArialUnderlineThickness = 150;

// --- Text output ----------------------------------------------------------------------------

// Opaque background of rotated text: true fills the rotated cell (Windows), false an
// axis-aligned box around it (Wine).
inline constexpr bool kOpaqueRotatedCell = true;

// --- DrawText -------------------------------------------------------------------------------

// An empty line after a final line break counts as a line (evidence: a 91-pixel label of six
// lines plus a trailing CR LF at 13 pixels per line). Wine stops at the last line break.
inline constexpr bool kTrailingLineBreakAddsLine = true;

// A lone '&' at the end of a line is dropped and measured as nothing.
inline constexpr bool kTrailingPrefixDropped = true;

// The accelerator underline leaves out the last pixel of the character's advance.
inline constexpr int kPrefixUnderlineShortening = 1;

}  // namespace text_rules
