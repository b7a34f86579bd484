// A region object.
#pragma once

#include "GdiObject.h"
#include "Region.h"

class GdiRegion : public GdiObject {
 public:
  explicit GdiRegion(Region region) : GdiObject(OBJ_REGION), region_(std::move(region)) {}

  Region& Shape() { return region_; }
  const Region& Shape() const { return region_; }

 private:
  Region region_;
};
