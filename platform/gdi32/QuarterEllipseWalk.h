// A walk along a quarter of the ellipse through the extreme pixels of a width x height box, one
// pixel step at a time (a midpoint rasterisation): from the middle row towards the middle
// column, moving one column inwards, one row outwards, or both.
#pragma once

#include <cstdint>

class QuarterEllipseWalk {
 public:
  struct Step {
    bool column;  // moved one column towards the middle
    bool row;     // moved one row away from the middle
  };

  QuarterEllipseWalk(int64_t width, int64_t height)
      : a_(width - 1),
        b_(height - 1),
        stepX_(8 * b_ * b_),
        stepY_(8 * a_ * a_),
        dx_(4 * b_ * b_ * (1 - a_)),
        dy_(4 * a_ * a_ * (1 + (b_ & 1))),
        err_(dx_ + dy_ + a_ * a_ * (b_ & 1)) {}

  Step Next() {
    const int64_t e2 = 2 * err_;
    Step step{e2 >= dx_, e2 <= dy_};
    if (step.column) err_ += dx_ += stepX_;
    if (step.row) err_ += dy_ += stepY_;
    return step;
  }

 private:
  int64_t a_;
  int64_t b_;
  int64_t stepX_;
  int64_t stepY_;
  int64_t dx_;
  int64_t dy_;
  int64_t err_;
};
