// Unit LMDGlyphTextLayout: TLMDGlyphTextLayout, where a control's glyph and text stand: the
// text's side of the glyph, the gap between them, the block's place in the control and a final
// shift. LMDDrawTextAndGlyphExt (LMDUtilsLayout.h) does the placing and painting.
#pragma once

#include "LMDUtilsText.h"

#include <LMDObject.h>
#include <TypInfo.h>

#include <cstdint>

// Where the text stands relative to the glyph; the second word names the glyph's edge of the
// block when the two differ in size (centred otherwise).
TAWO_ENUM(TLMDTextArrange, taLeft, taLeftTop, taRight, taRightTop, taTop, taTopLeft, taBottom, taBottomLeft)

class TLMDGlyphTextLayout : public TLMDObject {
  TAWO_CLASS(TLMDGlyphTextLayout, TLMDObject)

 public:
  TLMDGlyphTextLayout() = default;

  // From another layout (or a descendant): the five placement properties, one notification.
  void Assign(TPersistent* source) override;

  TLMDTextArrange AlignText2Glyph() const { return FAlignText2Glyph; }
  void SetAlignText2Glyph(TLMDTextArrange value);
  // The final shift of text and glyph, by index: 0 OffsetX, 1 OffsetY.
  int32_t GetOffset(int32_t index) const { return index == 0 ? FOffsetX : FOffsetY; }
  void SetOffset(int32_t index, int32_t value);
  int32_t OffsetX() const { return FOffsetX; }
  int32_t OffsetY() const { return FOffsetY; }
  // The gap in pixels between text and glyph.
  int32_t Spacing() const { return FSpacing; }
  void SetSpacing(int32_t value);
  // Where the text-and-glyph block stands in the available rectangle.
  TLMDAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TLMDAlignment value);

 protected:
  explicit TLMDGlyphTextLayout(TLMDAlignment alignment) : FAlignment(alignment) {}

  // The five placement properties through their setters; callers bracket it with an update.
  void CopyPlacement(const TLMDGlyphTextLayout& source);

 private:
  TLMDTextArrange FAlignText2Glyph = TLMDTextArrange::taRight;
  int32_t FOffsetX = 0;
  int32_t FOffsetY = 0;
  int32_t FSpacing = 2;
  TLMDAlignment FAlignment = TLMDAlignment::agTopLeft;
};
