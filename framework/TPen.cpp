#include "TPen.h"

using enum TPenMode;
using enum TPenStyle;

TAWO_PUBLISHED(TPen, published) {
  published.Property("Color", &TPen::Color, &TPen::SetColor).Type(TColorTypeInfo()).Default(clBlack);
  published.Property("Mode", &TPen::Mode, &TPen::SetMode).Default(pmCopy);
  published.Property("Style", &TPen::Style, &TPen::SetStyle).Default(psSolid);
  published.Property("Width", &TPen::Width, &TPen::SetWidth).Default(1);
}

void TPen::Assign(TPersistent* source) {
  auto* pen = dynamic_cast<TPen*>(source);
  if (pen == nullptr) {
    inherited::Assign(source);
    return;
  }
  FColor = pen->FColor;
  FMode = pen->FMode;
  FStyle = pen->FStyle;
  FWidth = pen->FWidth;
  Changed();
}

void TPen::SetColor(TColor color) {
  if (color == FColor) return;
  FColor = color;
  Changed();
}

void TPen::SetMode(TPenMode mode) {
  if (mode == FMode) return;
  FMode = mode;
  Changed();
}

void TPen::SetStyle(TPenStyle style) {
  if (style == FStyle) return;
  FStyle = style;
  Changed();
}

void TPen::SetWidth(int32_t width) {
  if (width < 0 || width == FWidth) return;
  FWidth = width;
  Changed();
}

HGDIOBJ TPen::CreateGdiHandle() {
  static constexpr int kStyles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
  return CreatePen(kStyles[static_cast<size_t>(FStyle)], FWidth, static_cast<COLORREF>(ColorToRGB(FColor)));
}
