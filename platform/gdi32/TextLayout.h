// Where each character of a string goes along the baseline: the font's advances (or the
// caller's lpDx), plus the DC's character extra after every character, and the extent.
#pragma once

#include "FontFace.h"

#include <cstddef>
#include <vector>

class TextLayout {
 public:
  TextLayout(FontFace& font, const unsigned char* bytes, size_t count, int characterExtra, const INT* dx);

  const std::vector<int>& Advances() const { return advances_; }
  // Offset of character i from the first one's origin.
  int OffsetOf(size_t i) const { return offsets_[i]; }
  // The extent GetTextExtentPoint reports: advances, extra, and the overhang of synthetic bold.
  int Width() const { return width_; }

  // Width only, without keeping the advances.
  static int Extent(FontFace& font, const unsigned char* bytes, size_t count, int characterExtra);

 private:
  std::vector<int> advances_;
  std::vector<int> offsets_;
  int width_ = 0;
};
