// A realised font: one FreeType face at one size and style, with the GDI metrics Windows
// reports for it and a cache of rendered glyphs indexed by Windows-1250 byte. Once a glyph is
// cached, drawing or measuring it never reaches FreeType again.
#pragma once

#include "FontMapper.h"
#include "FreeTypeLibrary.h"

#include <windows.h>

#include <array>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// One horizontal run of ink: y rows below the baseline (negative = above), x from the glyph
// origin; right is exclusive.
struct GlyphRun {
  int y;
  int left;
  int right;
};

struct Glyph {
  int advance = 0;  // along the baseline, whole pixels, synthetic bold included
  std::vector<GlyphRun> runs;
};

// A horizontal band relative to the baseline: first row (negative = above) and thickness.
struct LineBand {
  int top;
  int thickness;
};

// Receives glyph outlines in device coordinates (y down), one closed contour at a time.
class OutlineSink {
 public:
  virtual ~OutlineSink() = default;
  virtual void MoveTo(double x, double y) = 0;
  virtual void LineTo(double x, double y) = 0;
  virtual void CloseContour() = 0;
};

class FontFace {
 public:
  // Null when the face file cannot be opened.
  static std::unique_ptr<FontFace> Open(const FontChoice& choice, const LOGFONTA& request);
  ~FontFace();
  FontFace(const FontFace&) = delete;
  FontFace& operator=(const FontFace&) = delete;

  const TEXTMETRICA& Metrics() const { return metrics_; }
  const std::string& FaceName() const { return faceName_; }
  bool IsTrueType() const { return (metrics_.tmPitchAndFamily & TMPF_TRUETYPE) != 0; }
  bool IsRaster() const { return choice_.raster != nullptr; }
  // Escapement in radians, counter-clockwise; always 0 for raster faces, which never rotate.
  double Angle() const { return angle_; }
  LineBand Underline() const { return underline_; }
  LineBand Strikeout() const { return strikeout_; }

  const Glyph& GlyphFor(unsigned char byte);
  int Advance(unsigned char byte) { return GlyphFor(byte).advance; }
  // Advances of the characters first..last (at most 0xFF) into out.
  void Advances(unsigned first, unsigned last, INT* out);

  // The outline of a character with its origin at (x, y), flattened to polygons, rotated by
  // the escapement. Raster faces have no outlines and add nothing.
  void AppendOutline(unsigned char byte, double x, double y, OutlineSink& sink);

 private:
  FontFace(FT_Face face, const FontChoice& choice, const LOGFONTA& request);
  void RealiseRaster();
  void RealiseOutline(const LOGFONTA& request);
  void SetTransform();
  FT_UInt GlyphIndex(unsigned char byte) const;
  FT_Int32 LoadFlags() const;
  Glyph Load(unsigned char byte);
  const Glyph& CachedGlyph(unsigned char byte);  // the caller holds mutex_

  FT_Face face_;
  FontChoice choice_;
  TEXTMETRICA metrics_{};
  std::string faceName_;
  double angle_ = 0;
  LineBand underline_{1, 1};
  LineBand strikeout_{-5, 1};
  FT_UInt defaultGlyph_ = 0;
  std::mutex mutex_;
  std::array<std::unique_ptr<Glyph>, 256> glyphs_;
};
