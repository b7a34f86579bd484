#include "LMDGlyphTextLayout.h"

#include <SysUtils.h>

using enum TLMDAlignment;
using enum TLMDTextArrange;

TAWO_PUBLISHED(TLMDGlyphTextLayout, published) {
  published.Property("AlignText2Glyph", &TLMDGlyphTextLayout::AlignText2Glyph,
                     &TLMDGlyphTextLayout::SetAlignText2Glyph)
      .Default(taRight);
  published.Property("OffsetX", &TLMDGlyphTextLayout::GetOffset, &TLMDGlyphTextLayout::SetOffset, 0).Default(0);
  published.Property("OffsetY", &TLMDGlyphTextLayout::GetOffset, &TLMDGlyphTextLayout::SetOffset, 1).Default(0);
  published.Property("Spacing", &TLMDGlyphTextLayout::Spacing, &TLMDGlyphTextLayout::SetSpacing).Default(2);
  published.Property("Alignment", &TLMDGlyphTextLayout::Alignment, &TLMDGlyphTextLayout::SetAlignment);
}

void TLMDGlyphTextLayout::Assign(TPersistent* source) {
  if (source == this) return;
  auto* other = dynamic_cast<TLMDGlyphTextLayout*>(source);
  if (other == nullptr) {
    inherited::Assign(source);
    return;
  }
  BeginUpdate();
  CopyPlacement(*other);
  EndUpdate(true);
}

void TLMDGlyphTextLayout::CopyPlacement(const TLMDGlyphTextLayout& source) {
  SetAlignment(source.FAlignment);
  SetAlignText2Glyph(source.FAlignText2Glyph);
  SetOffset(0, source.FOffsetX);
  SetOffset(1, source.FOffsetY);
  SetSpacing(source.FSpacing);
}

void TLMDGlyphTextLayout::SetAlignText2Glyph(TLMDTextArrange value) {
  if (value > taBottomLeft) throw ERangeError("Invalid text arrangement");
  StoreAndNotify(FAlignText2Glyph, value);
}

void TLMDGlyphTextLayout::SetOffset(int32_t index, int32_t value) {
  StoreAndNotify(index == 0 ? FOffsetX : FOffsetY, value);
}

void TLMDGlyphTextLayout::SetSpacing(int32_t value) { StoreAndNotify(FSpacing, value); }

void TLMDGlyphTextLayout::SetAlignment(TLMDAlignment value) {
  if (value > agBottomRight) throw ERangeError("Invalid alignment");
  StoreAndNotify(FAlignment, value);
}
