// The pixels of a gradient (column bands, or nested rectangles, ellipses or slanted
// quadrilaterals; one shape per colour) as runs of one colour per row: the result of painting
// the shapes one over another, computed without painting any pixel more than once.
#pragma once

#include "LMDGraph.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

class TLMDGradientRuns {
 public:
  struct TRun {
    int32_t Left;
    int32_t Right;  // exclusive
    int32_t Color;  // index into the colour table
  };

  // `seed` is the rectangle the shapes grow from, `width` x `height` the painted area, `count`
  // the number of colours; all in the coordinates the shapes are painted in. Only pixels within
  // `limit` (what can be painted on) are worked out.
  TLMDGradientRuns(TLMDGradientStyle style, const RECT& seed, int32_t width, int32_t height, int32_t count,
                   const RECT& limit);

  // Everything any shape covers (it may reach past the painted area).
  const RECT& Bounds() const { return FBounds; }
  // The runs of row y, apart from one another and in no particular order; pixels no shape
  // covers are left out.
  const std::vector<TRun>& Row(int32_t y);
  // Whether the last row asked for has the runs of the row before it.
  bool Repeated() const { return FRepeated; }

 private:
  struct TSpan {
    int32_t Left;
    int32_t Right;
  };
  // One shape as the span it covers on each of its rows.
  struct TShape {
    int32_t Top = 0;
    std::vector<TSpan> Rows;
  };

  TShape ColumnShape(int32_t i) const;
  TShape RectangleShape(RECT box) const;
  TShape EllipseShape(RECT box) const;
  TShape QuadrilateralShape(const POINT (&corners)[4]) const;
  TShape ShapeOf(int32_t i) const;
  TShape Limited(TShape shape) const;
  // The span of FShapes[shape] on row y; empty when it has none.
  TSpan SpanOf(size_t shape, int32_t y) const;
  void Cover(TSpan span, int32_t color);

  TLMDGradientStyle FStyle;
  RECT FSeed;
  int32_t FWidth;
  int32_t FHeight;
  int32_t FCount;
  RECT FLimit;
  std::vector<TShape> FShapes;  // shape i has colour i
  RECT FBounds{0, 0, 0, 0};
  std::vector<bool> FChanges;  // per row of FBounds: some shape's span differs from the row above
  std::vector<TRun> FRow;
  std::vector<TSpan> FCovered;  // of the row being built
  std::optional<int32_t> FRowY;  // the row FRow holds
  bool FRepeated = false;
};
