// Unit LMDButtonLayout: TLMDButtonLayout, a button's glyph-and-text layout, centred by default,
// with an optional drop-down arrow beside the text or the glyph.
#pragma once

#include "LMDGlyphTextLayout.h"

#include <Graphics.h>

#include <cstdint>

// The element the arrow belongs to, and its side of it.
TAWO_ENUM(TLMDArrowPosition, apRightText, apLeftText, apRightGlyph, apLeftGlyph)

// The arrow's size s, 2..10; the arrow is 2s − 1 pixels wide.
using TLMDDDArrowSize = uint8_t;

class TLMDButtonLayout : public TLMDGlyphTextLayout {
  TAWO_CLASS(TLMDButtonLayout, TLMDGlyphTextLayout)

 public:
  TLMDButtonLayout() : TLMDGlyphTextLayout(TLMDAlignment::agCenter) {}

  // From another button layout: placement and arrow, one notification; from a plain layout
  // the placement only.
  void Assign(TPersistent* source) override;

  bool Arrow() const { return FArrow; }
  void SetArrow(bool value);
  TColor ArrowColor() const { return FArrowColor; }
  void SetArrowColor(TColor value);
  // The gap between the arrow and its text or glyph.
  int32_t ArrowIndent() const { return FArrowIndent; }
  void SetArrowIndent(int32_t value);
  TLMDArrowPosition ArrowPosition() const { return FArrowPosition; }
  void SetArrowPosition(TLMDArrowPosition value);
  TLMDDDArrowSize ArrowSize() const { return FArrowSize; }
  void SetArrowSize(int32_t value);
  // The pixels the arrow takes across: 2 · ArrowSize − 1.
  int32_t ArrowWidth() const { return 2 * FArrowSize - 1; }

 private:
  bool FArrow = false;
  TColor FArrowColor = clBlack;
  int32_t FArrowIndent = 3;
  TLMDArrowPosition FArrowPosition = TLMDArrowPosition::apRightText;
  TLMDDDArrowSize FArrowSize = 3;
};
