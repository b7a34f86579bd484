// A logical palette. On the true-colour display it only resolves PALETTEINDEX colours and
// DIB_PAL_COLORS tables.
#pragma once

#include "GdiObject.h"

#include <vector>

class GdiPalette : public GdiObject {
 public:
  explicit GdiPalette(std::vector<PALETTEENTRY> entries) : GdiObject(OBJ_PAL), entries_(std::move(entries)) {}

  std::vector<PALETTEENTRY>& Entries() { return entries_; }
  const std::vector<PALETTEENTRY>& Entries() const { return entries_; }

 private:
  std::vector<PALETTEENTRY> entries_;
};
