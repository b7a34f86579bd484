// A brush: solid, null, hatched, or a pattern taken from a bitmap (copied at creation).
#pragma once

#include "GdiObject.h"
#include "PixelSurface.h"

#include <memory>

class GdiBrush : public GdiObject {
 public:
  GdiBrush(UINT style, COLORREF color, ULONG_PTR hatch) : GdiObject(OBJ_BRUSH), style_(style), color_(color), hatch_(hatch) {}

  UINT Style() const { return style_; }
  COLORREF Color() const { return color_; }
  ULONG_PTR Hatch() const { return hatch_; }
  const std::shared_ptr<PixelSurface>& Pattern() const { return pattern_; }
  void SetPattern(std::shared_ptr<PixelSurface> pattern) { pattern_ = std::move(pattern); }
  // The stock DC_BRUSH paints with the colour set by SetDCBrushColor.
  bool UsesDcColor() const { return usesDcColor_; }
  void UseDcColor() { usesDcColor_ = true; }
  // System-colour brushes follow SetSysColors.
  void SetColor(COLORREF color) { color_ = color; }

 private:
  UINT style_;
  COLORREF color_;
  ULONG_PTR hatch_;
  std::shared_ptr<PixelSurface> pattern_;
  bool usesDcColor_ = false;
};
