#include "LMDShapeFill.h"

TAWO_PUBLISHED(TLMDShapeFill, published) {
  published.Property("Gradient", &TLMDShapeFill::Gradient, &TLMDShapeFill::SetGradient);
  published.Property("Style", &TLMDShapeFill::Style, &TLMDShapeFill::SetStyle).Default(sfBrush);
  published.Property("TileMode", &TLMDShapeFill::TileMode, &TLMDShapeFill::SetTileMode).Default(tmTile);
}

TLMDShapeFill::TLMDShapeFill() : FGradient(std::make_unique<TLMDGradient>()) {
  FGradient->OnChange = TNotifyEvent(this, &TLMDShapeFill::GetChange);
}

TLMDShapeFill::~TLMDShapeFill() {
  FGradient->OnChange = nullptr;
}

void TLMDShapeFill::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TLMDShapeFill*>(source);
  if (other == nullptr) {
    inherited::Assign(source);
    return;
  }
  BeginUpdate();
  CopyShapeFill(*other);
  EndUpdate(true);
}

void TLMDShapeFill::CopyShapeFill(const TLMDShapeFill& other) {
  FGradient->Assign(other.FGradient.get());
  FStyle = other.FStyle;
  FTileMode = other.FTileMode;
}

void TLMDShapeFill::SetStyle(TLMDFillStyle value) {
  if (value == FStyle) return;
  FStyle = value;
  Change();
}

void TLMDShapeFill::SetTileMode(TLMDTileMode value) {
  if (value == FTileMode) return;
  FTileMode = value;
  Change();
}
