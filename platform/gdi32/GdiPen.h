// A pen: style (PS_ values with end-cap and join bits), width in logical units, colour.
#pragma once

#include "GdiObject.h"

class GdiPen : public GdiObject {
 public:
  GdiPen(UINT style, int width, COLORREF color, bool extended)
      : GdiObject(extended ? OBJ_EXTPEN : OBJ_PEN), style_(style), width_(width), color_(color) {}

  UINT Style() const { return style_; }
  UINT DashStyle() const { return style_ & PS_STYLE_MASK; }
  int Width() const { return width_; }
  COLORREF Color() const { return color_; }
  bool UsesDcColor() const { return usesDcColor_; }
  void UseDcColor() { usesDcColor_ = true; }

 private:
  UINT style_;
  int width_;
  COLORREF color_;
  bool usesDcColor_ = false;
};
