// The polygon scan gives the same rows whether a slanted edge's ends lie near the clip or so
// far away that its crossings need more than 64-bit arithmetic.
#include <gtest/gtest.h>

#include "PolygonRasterizer.h"

#include <string>
#include <vector>

namespace {

// Each row as "y: left-right ..." for comparison.
class RowText : public SpanSink {
 public:
  void Add(int32_t top, int32_t bottom, std::span<const Span> spans) override {
    for (int32_t y = top; y < bottom; ++y) {
      text += std::to_string(y) + ":";
      for (const Span& span : spans) text += " " + std::to_string(span.left) + "-" + std::to_string(span.right);
      text += "\n";
    }
  }
  std::string text;
};

// A triangle right of the line through the origin and (run, rise), its corners `scale` steps
// along it and beyond it, scanned within a 24 x 24 clip around the origin.
std::string ScanTriangle(int64_t run, int64_t rise, int64_t scale) {
  PolygonRasterizer rasterizer(RECT{-12, -12, 12, 12});
  const PointL corners[3] = {{-run * scale, -rise * scale}, {run * scale, rise * scale}, {run * scale + scale, -rise * scale}};
  rasterizer.AddPolygon(std::span<const PointL>(corners));
  RowText rows;
  rasterizer.Scan(ALTERNATE, rows);
  return rows.text;
}

TEST(PolygonScan, FarCornersGiveTheRowsOfNearOnes) {
  const struct {
    int64_t Run;
    int64_t Rise;
  } slopes[] = {{1, 1}, {7, 3}, {2, 5}, {-3, 4}, {11, 13}};
  for (const auto& slope : slopes) {
    const std::string near = ScanTriangle(slope.Run, slope.Rise, 16);
    EXPECT_FALSE(near.empty());
    for (int64_t scale : {int64_t{1} << 20, int64_t{1} << 34, int64_t{1} << 44}) {
      EXPECT_EQ(ScanTriangle(slope.Run, slope.Rise, scale), near) << slope.Run << "/" << slope.Rise << " at " << scale;
    }
  }
}

}  // namespace
