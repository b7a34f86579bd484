// A bitmap object: a device-dependent bitmap or a DIB section over its pixel surface.
#pragma once

#include "GdiObject.h"
#include "PixelSurface.h"

#include <memory>

class GdiBitmap : public GdiObject {
 public:
  GdiBitmap(std::shared_ptr<PixelSurface> surface, bool dibSection)
      : GdiObject(OBJ_BITMAP), surface_(std::move(surface)), dibSection_(dibSection) {}

  const std::shared_ptr<PixelSurface>& Surface() const { return surface_; }
  bool IsDibSection() const { return dibSection_; }
  // A bitmap can be selected into one DC at a time.
  HDC SelectedInto() const { return selectedInto_; }
  void SetSelectedInto(HDC dc) { selectedInto_ = dc; }

 private:
  std::shared_ptr<PixelSurface> surface_;
  bool dibSection_;
  HDC selectedInto_ = nullptr;
};
