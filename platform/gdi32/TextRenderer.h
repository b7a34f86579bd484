// Draws a string as ExtTextOut does, in device coordinates: placement by the text alignment
// and the escapement, the opaque rectangle, the background cell, the glyphs, underline and
// strikeout. Glyphs come from the font's cache.
#pragma once

#include "DeviceContext.h"
#include "FontFace.h"
#include "SpanPainter.h"
#include "TextLayout.h"

#include <optional>

// Where the text goes: the baseline origin of the first character and the text's own axes,
// u along the baseline and v towards the bottom of the characters (device space, y down).
struct TextPlacement {
  double x;
  double y;
  double ux;
  double uy;
  double vx;
  double vy;

  static TextPlacement For(POINT reference, UINT align, const FontFace& font, int width);
  // The device point at distance `along` the baseline and `down` below it.
  void At(double along, double down, double* out) const {
    out[0] = x + along * ux + down * vx;
    out[1] = y + along * uy + down * vy;
  }
};

class TextRenderer {
 public:
  TextRenderer(DeviceContext& dc, FontFace& font, const TextLayout& layout, const unsigned char* bytes)
      : dc_(dc), font_(font), layout_(layout), bytes_(bytes) {}

  // `rect` is in device coordinates and ordered; `options` are the ETO_ flags.
  void Draw(const TextPlacement& place, UINT options, const std::optional<RECT>& rect);
  // Adds the glyph outlines (and underline/strikeout bands) to a path instead of painting.
  void AppendOutlines(const TextPlacement& place, OutlineSink& sink);

 private:
  void FillBand(SpanPainter& painter, const TextPlacement& place, double top, double bottom) const;
  void DrawGlyphs(SpanPainter& painter, const TextPlacement& place) const;
  struct Origin {
    long long x;
    long long y;
  };
  Origin GlyphOrigin(const TextPlacement& place, size_t index) const;

  DeviceContext& dc_;
  FontFace& font_;
  const TextLayout& layout_;
  const unsigned char* bytes_;
};
