#include "TextLayout.h"

#include <algorithm>
#include <climits>

namespace {

int Clamp(long long value) { return static_cast<int>(std::clamp<long long>(value, INT_MIN / 2, INT_MAX / 2)); }

}  // namespace

TextLayout::TextLayout(FontFace& font, const unsigned char* bytes, size_t count, int characterExtra, const INT* dx) {
  advances_.reserve(count);
  offsets_.reserve(count);
  long long position = 0;
  for (size_t i = 0; i < count; ++i) {
    const long long advance = static_cast<long long>(dx ? dx[i] : font.Advance(bytes[i])) + characterExtra;
    offsets_.push_back(Clamp(position));
    advances_.push_back(Clamp(advance));
    position += advance;
  }
  if (count > 0 && !dx) position += font.Metrics().tmOverhang;
  width_ = Clamp(position);
}

int TextLayout::Extent(FontFace& font, const unsigned char* bytes, size_t count, int characterExtra) {
  long long width = 0;
  for (size_t i = 0; i < count; ++i) width += static_cast<long long>(font.Advance(bytes[i])) + characterExtra;
  if (count > 0) width += font.Metrics().tmOverhang;
  return Clamp(width);
}
