// Scan conversion of polygons into rows of spans, limited to a clip rectangle so that figures
// with far-away vertices cost no more than the visible rows. Same pixel rule as region
// polygons: pixel (x, y) is inside when the point (x, y) is inside the polygon; points on
// left and top edges count, points on right and bottom edges do not.
#pragma once

#include "SpanSink.h"

#include <cstdint>
#include <span>
#include <vector>

// A vertex with room for coordinates that leave the 32-bit range (wide pens near the limits).
struct PointL {
  int64_t x;
  int64_t y;
};

class PolygonRasterizer {
 public:
  explicit PolygonRasterizer(const RECT& clip) : clip_(clip) {}

  // Adds the edges of one closed polygon; all polygons are scanned together.
  void AddPolygon(std::span<const PointL> polygon);
  void AddPolygon(std::span<const POINT> polygon);

  // Puts the inside rows (ALTERNATE or WINDING), clipped, into `sink`. Stretches where every
  // edge is vertical go as one band; the other rows are scanned one by one, and when there
  // are more than `rowBudget` of them nothing is given and the result is false.
  bool Scan(int fillMode, SpanSink& sink, int64_t rowBudget = INT64_MAX) const;

 private:
  struct Edge {
    int64_t x0, y0, x1, y1;
    int direction;  // +1 downwards, -1 upwards
  };
  // An edge crossing the current row, stepped from row to row without division: the crossing
  // is x + remainder / height (remainder in (-height, 0]) and moves by step + stepRemainder /
  // height a row.
  struct ActiveEdge {
    bool IsVertical() const { return step == 0 && stepRemainder == 0; }

    int64_t x;  // first pixel at or right of the crossing
    int64_t remainder;
    int64_t step;
    int64_t stepRemainder;  // in [0, height)
    int64_t height;
    int64_t bottom;
    int direction;
  };

  void AddEdge(PointL a, PointL b);
  // The rows, within the clip, that some slanted edge crosses.
  int64_t SlantedRows() const;
  static ActiveEdge Activate(const Edge& edge, int64_t y);
  // The inside spans between the crossings of edges sorted by x.
  void ScanRow(const std::vector<ActiveEdge>& edges, int fillMode, std::vector<Span>& spans) const;

  RECT clip_;
  std::vector<Edge> edges_;
};
