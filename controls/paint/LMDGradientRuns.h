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
    // Without branches: used in loops over many rows, where a change is unpredictable.
    bool Differs(const TSpan& other) const { return ((Left ^ other.Left) | (Right ^ other.Right)) != 0; }
  };
  // A band between two parallel slanted lines: on row y it spans [x, x + Width), x being
  // where its left line, through (AX, AY) and (AX + Run, AY + Rise), crosses the row, rounded up.
  struct TSlant {
    int64_t AX;
    int64_t AY;
    int64_t Rise;  // > 0
    int64_t Run;
    int32_t Width;
    int64_t Step = 0;  // whole pixels the crossing moves per row, and the rest in 1/Rise
    int64_t StepRemainder = 0;
    int32_t Row = INT32_MIN;  // the row of the walk's crossing X
    int64_t X = 0;
    int64_t Excess = 0;
    // The crossing with row y times Rise.
    int64_t Numerator(int32_t y) const;
    int64_t CrossingOf(int32_t y) const;
    // The crossing with row y, stepped from the row before when that was the last one asked.
    int64_t WalkTo(int32_t y);
  };
  // One shape on its rows [Top, Bottom): the span it covers on each row (a single span stands
  // for all of them), or a slanted band.
  struct TShape {
    int32_t Top = 0;
    int32_t Bottom = 0;
    std::vector<TSpan> Rows;
    std::optional<TSlant> Slant;
    TSpan At(int32_t y) const { return Rows.size() == 1 ? Rows[0] : Rows[static_cast<std::size_t>(y - Top)]; }
  };

  TShape ColumnShape(int32_t i) const;
  TShape RectangleShape(RECT box) const;
  TShape EllipseShape(RECT box) const;
  TShape SlantedBandShape(POINT topLeft, POINT bottomLeft, int32_t width) const;
  TShape ShapeOf(int32_t i) const;
  void Add(TShape shape);
  void MarkChange(int32_t y) { FChanges[static_cast<std::size_t>(y - FLimit.top)] = 1; }
  // The part of [left, right) within FLimit's columns; (0, 0) when none is.
  TSpan Limited(int64_t left, int64_t right) const;
  bool Covers(const TShape& shape, const RECT& box) const;
  std::optional<int64_t> CommonMirror() const;
  // The span of FShapes[shape] on row y; empty when it has none.
  TSpan SpanOf(std::size_t shape, int32_t y);
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
  std::vector<uint8_t> FChanges;  // per row of FLimit: some shape's span differs from the row above
  // What each written row of the bounds covers: FCovers[FCoverStart[r]] up to FCoverStart[r + 1].
  std::vector<TSpan> FCovers;
  std::vector<std::size_t> FCoverStart;
  std::vector<TSpan> FCovered;  // of the row being painted, sorted and merged
};
