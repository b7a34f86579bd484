#include "Path.h"

void Path::MoveTo(POINT point) {
  position_ = point;
  figureInProgress_ = false;
}

void Path::LineTo(POINT point) {
  if (!figureInProgress_) {
    figures_.push_back(Figure{{position_}, false});
    figureInProgress_ = true;
  }
  figures_.back().points.push_back(point);
  position_ = point;
}

void Path::CloseFigure() {
  if (figureInProgress_) figures_.back().closed = true;
  figureInProgress_ = false;
}

void Path::AddFigure(std::vector<POINT> points, bool closed) {
  if (points.empty()) return;
  position_ = points.back();
  figures_.push_back(Figure{std::move(points), closed});
  figureInProgress_ = !closed;
}
