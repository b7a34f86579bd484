#include "TBrush.h"

#include "TBitmap.h"

using enum TBrushStyle;

TAWO_PUBLISHED(TBrush, published) {
  published.Property("Color", &TBrush::Color, &TBrush::SetColor).Type(TColorTypeInfo()).Default(clWhite);
  published.Property("Style", &TBrush::Style, &TBrush::SetStyle).Default(bsSolid);
}

void TBrush::Assign(TPersistent* source) {
  auto* brush = dynamic_cast<TBrush*>(source);
  if (brush == nullptr) {
    inherited::Assign(source);
    return;
  }
  FColor = brush->FColor;
  FStyle = brush->FStyle;
  FBitmap = brush->FBitmap;
  Changed();
}

void TBrush::SetColor(TColor color) {
  if (color == FColor && FStyle != bsClear) return;
  FColor = color;
  if (FStyle == bsClear) FStyle = bsSolid;
  Changed();
}

void TBrush::SetStyle(TBrushStyle style) {
  if (style == FStyle) return;
  FStyle = style;
  Changed();
}

void TBrush::SetBitmap(TBitmap* bitmap) {
  FBitmap = bitmap;
  Changed();
}

HGDIOBJ TBrush::CreateGdiHandle() {
  if (FBitmap != nullptr && !FBitmap->Empty()) return CreatePatternBrush(FBitmap->Handle());
  const auto color = static_cast<COLORREF>(ColorToRGB(FColor));
  switch (FStyle) {
    case bsSolid:
      return CreateSolidBrush(color);
    case bsClear: {
      LOGBRUSH hollow{BS_HOLLOW, 0, 0};
      return CreateBrushIndirect(&hollow);
    }
    default:
      return CreateHatchBrush(static_cast<int>(FStyle) - static_cast<int>(bsHorizontal) + HS_HORIZONTAL, color);
  }
}
