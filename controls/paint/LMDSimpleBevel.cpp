#include "LMDSimpleBevel.h"

using enum TLMDSimpleBevelStyle;

namespace {

const char* const kStyleTexts[] = {"Normal", "Inset", "Offset"};

}  // namespace

TAWO_PUBLISHED(TLMDSimpleBevel, published) {
  published.Property("Width", &TLMDSimpleBevel::Width, &TLMDSimpleBevel::SetWidth).Default(2);
  published.Property("Style", &TLMDSimpleBevel::Style, &TLMDSimpleBevel::SetStyle).Default(sbNormal);
  published.Property("Color", &TLMDSimpleBevel::GetColor, &TLMDSimpleBevel::SetColor, 2)
      .Type(TColorTypeInfo())
      .Default(clBlack);
  published.Property("LightColor", &TLMDSimpleBevel::GetColor, &TLMDSimpleBevel::SetColor, 0)
      .Type(TColorTypeInfo())
      .Default(clBtnHighlight);
  published.Property("ShadowColor", &TLMDSimpleBevel::GetColor, &TLMDSimpleBevel::SetColor, 1)
      .Type(TColorTypeInfo())
      .Default(clBtnShadow);
}

void TLMDSimpleBevel::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TLMDSimpleBevel*>(source);
  if (other == nullptr) {
    inherited::Assign(source);
    return;
  }
  FColor = other->FColor;
  FLightColor = other->FLightColor;
  FShadowColor = other->FShadowColor;
  FWidth = other->FWidth;
  FStyle = other->FStyle;
  Change();
}

AnsiString TLMDSimpleBevel::GetSetStr() const { return AnsiString("{") + kStyleTexts[static_cast<size_t>(FStyle)] + "}"; }

void TLMDSimpleBevel::SetWidth(int32_t value) {
  const TLMDBevelWidth width = LMDCheckRange(value, kLMDBevelWidthRange);
  if (width == FWidth) return;
  FWidth = width;
  Change();
}

void TLMDSimpleBevel::SetStyle(TLMDSimpleBevelStyle value) {
  if (value > sbOffset) throw ERangeError("Invalid simple bevel style");
  StoreAndNotify(FStyle, value);
}

TColor TLMDSimpleBevel::GetColor(int32_t index) const {
  switch (index) {
    case 0: return FLightColor;
    case 1: return FShadowColor;
    default: return FColor;
  }
}

void TLMDSimpleBevel::SetColor(int32_t index, TColor value) {
  TColor* target = index == 0 ? &FLightColor : index == 1 ? &FShadowColor : index == 2 ? &FColor : nullptr;
  if (target == nullptr) {
    Change();
    return;
  }
  if (*target == value) return;
  *target = value;
  Change();
}
