#include "LMDButtonLayout.h"

#include <LMDGraph.h>
#include <SysUtils.h>

using enum TLMDAlignment;
using enum TLMDArrowPosition;

namespace {

constexpr TLMDRange kArrowSizeRange{2, 10};

}  // namespace

TAWO_PUBLISHED(TLMDButtonLayout, published) {
  published.Redeclare("Alignment").Default(agCenter);
  published.Property("Arrow", &TLMDButtonLayout::Arrow, &TLMDButtonLayout::SetArrow).Default(false);
  published.Property("ArrowColor", &TLMDButtonLayout::ArrowColor, &TLMDButtonLayout::SetArrowColor)
      .Type(TColorTypeInfo())
      .Default(clBlack);
  published.Property("ArrowIndent", &TLMDButtonLayout::ArrowIndent, &TLMDButtonLayout::SetArrowIndent).Default(3);
  published.Property("ArrowPosition", &TLMDButtonLayout::ArrowPosition, &TLMDButtonLayout::SetArrowPosition)
      .Default(apRightText);
  published.Property("ArrowSize", &TLMDButtonLayout::ArrowSize, &TLMDButtonLayout::SetArrowSize).Default(3);
}

void TLMDButtonLayout::Assign(TPersistent* source) {
  if (source == this) return;
  auto* other = dynamic_cast<TLMDButtonLayout*>(source);
  if (other == nullptr) {
    inherited::Assign(source);
    return;
  }
  BeginUpdate();
  CopyPlacement(*other);
  FArrow = other->FArrow;
  FArrowIndent = other->FArrowIndent;
  FArrowPosition = other->FArrowPosition;
  FArrowColor = other->FArrowColor;
  FArrowSize = other->FArrowSize;
  EndUpdate(true);
}

void TLMDButtonLayout::SetArrow(bool value) { StoreAndNotify(FArrow, value); }

void TLMDButtonLayout::SetArrowColor(TColor value) { StoreAndNotify(FArrowColor, value); }

void TLMDButtonLayout::SetArrowIndent(int32_t value) { StoreAndNotify(FArrowIndent, value); }

void TLMDButtonLayout::SetArrowPosition(TLMDArrowPosition value) {
  if (value > apLeftGlyph) throw ERangeError("Invalid arrow position");
  StoreAndNotify(FArrowPosition, value);
}

void TLMDButtonLayout::SetArrowSize(int32_t value) {
  StoreAndNotify(FArrowSize, LMDCheckRange(value, kArrowSizeRange));
}
