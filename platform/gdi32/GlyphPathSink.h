// Adds glyph outlines to an open path: each contour, flattened and rounded to device pixels,
// becomes one closed figure.
#pragma once

#include "FontFace.h"
#include "Path.h"

#include <vector>

class GlyphPathSink : public OutlineSink {
 public:
  explicit GlyphPathSink(Path& path) : path_(path) {}

  void MoveTo(double x, double y) override;
  void LineTo(double x, double y) override;
  void CloseContour() override;

 private:
  Path& path_;
  std::vector<POINT> contour_;
};
