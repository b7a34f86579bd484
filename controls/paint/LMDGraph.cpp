#include "LMDGraph.h"

using enum TLMDGlyphTextFocusStyle;

uint8_t LMDCheckRange(int32_t value, TLMDRange range) {
  if (value < range.Low || value > range.High) {
    throw ERangeError(Format("Value %d is out of range %d..%d", {value, range.Low, range.High}));
  }
  return static_cast<uint8_t>(value);
}

uint16_t LMDConvertFocusStyle(TLMDGlyphTextFocusStyle style) {
  switch (style) {
    case fcText: return 64;
    case fcGlyph: return 128;
    case fcGlyphText: return 256;
    default: return 0;
  }
}
