// The pixels of a gradient (column bands, or nested rectangles, ellipses or slanted
// quadrilaterals; one shape per colour) written row by row as runs of one colour: the result of
// painting the shapes one over another, without writing any pixel more than once.
#pragma once

#include "LMDGraph.h"

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

class TLMDGradientRuns {
 public:
  // `seed` is the rectangle the shapes grow from, `width` x `height` the painted area, `count`
  // the number of colours; all in the coordinates the shapes are painted in. Only pixels within
  // `limit` (what can be painted on) are worked out.
  TLMDGradientRuns(TLMDGradientStyle style, const RECT& seed, int32_t width, int32_t height, int32_t count,
                   const RECT& limit);

  // Everything any shape covers (it may reach past the painted area).
  const RECT& Bounds() const { return FBounds; }
  // Whether every pixel of Bounds() gets a colour; otherwise the gaps are left as they are.
  bool CoversBounds() const { return FCoversBounds; }
  // Writes the gradient into 32-bit pixels: `origin` is the pixel of the bounds' top-left
  // corner, `stride` the distance from one row's pixels to the next row's, `pixels[i]` the
  // pixel of colour i.
  void Write(uint32_t* origin, std::ptrdiff_t stride, const std::vector<uint32_t>& pixels);

 private:
  struct TSpan {
    int32_t Left;
    int32_t Right;
    bool operator==(const TSpan&) const = default;
  };
  // One shape as the span it covers on each of its rows [Top, Bottom); a single span stands
  // for all of them.
  struct TShape {
    int32_t Top = 0;
    int32_t Bottom = 0;
    std::vector<TSpan> Rows;
    TSpan At(int32_t y) const { return Rows.size() == 1 ? Rows[0] : Rows[static_cast<std::size_t>(y - Top)]; }
  };

  TShape ColumnShape(int32_t i) const;
  TShape RectangleShape(RECT box) const;
  TShape EllipseShape(RECT box) const;
  TShape QuadrilateralShape(const POINT (&corners)[4]) const;
  TShape ShapeOf(int32_t i) const;
  void Add(TShape shape);
  void MarkChange(int32_t y);
  bool Covers(const TShape& shape, const RECT& box) const;
  std::optional<int64_t> CommonMirror() const;
  // The span of FShapes[shape] on row y; empty when it has none.
  TSpan SpanOf(std::size_t shape, int32_t y) const {
    const TShape& s = FShapes[shape];
    return y >= s.Top && y < s.Bottom ? s.At(y) : TSpan{0, 0};
  }
  // An earlier row of the bounds with the same runs as row y, if one is known.
  std::optional<int32_t> SameRunsAs(int32_t y) const;
  void CopyRow(int32_t from, uint32_t* row, const uint32_t* source);
  void PaintRow(int32_t y, uint32_t* row, const std::vector<uint32_t>& pixels);

  TLMDGradientStyle FStyle;
  RECT FSeed;
  int32_t FWidth;
  int32_t FHeight;
  int32_t FCount;
  RECT FLimit;
  std::vector<TShape> FShapes;  // shape i has colour i
  // Rows y and *FMirror - y have the same spans in every shape.
  std::optional<int64_t> FMirror;
  RECT FBounds{0, 0, 0, 0};
  bool FCoversBounds = false;
  std::vector<bool> FChanges;  // per row of FLimit: some shape's span differs from the row above
  // What each written row of the bounds covers: FCovers[FCoverStart[r]] up to FCoverStart[r + 1].
  std::vector<TSpan> FCovers;
  std::vector<std::size_t> FCoverStart;
  std::vector<TSpan> FCovered;  // of the row being painted, sorted and merged
};
