#include "TFont.h"

#include <algorithm>

using enum TFontPitch;
using enum TFontStyle;

TAWO_PUBLISHED(TFont, published) {
  published.Property("Charset", &TFont::Charset, &TFont::SetCharset).Type(TFontCharsetTypeInfo());
  published.Property("Color", &TFont::Color, &TFont::SetColor).Type(TColorTypeInfo());
  published.Property("Height", &TFont::Height, &TFont::SetHeight);
  published.Property("Name", &TFont::Name, &TFont::SetName);
  published.Property("Pitch", &TFont::Pitch, &TFont::SetPitch).Default(fpDefault);
  published.Property("Size", &TFont::Size, &TFont::SetSize).Stored(false);
  published.Property("Style", &TFont::Style, &TFont::SetStyle);
}

TFont::TFont() = default;

void TFont::Assign(TPersistent* source) {
  auto* font = dynamic_cast<TFont*>(source);
  if (font == nullptr) {
    inherited::Assign(source);
    return;
  }
  FName = font->FName;
  FHeight = MulDiv(font->FHeight, FPixelsPerInch, font->FPixelsPerInch);
  FColor = font->FColor;
  FStyle = font->FStyle;
  FPitch = font->FPitch;
  FCharset = font->FCharset;
  Changed();
}

void TFont::SetName(const AnsiString& name) {
  if (name.empty() || name == FName) return;
  FName = name;
  Changed();
}

void TFont::SetHeight(int32_t height) {
  if (height == FHeight) return;
  FHeight = height;
  Changed();
}

int32_t TFont::Size() const { return -MulDiv(FHeight, 72, FPixelsPerInch); }

void TFont::SetSize(int32_t size) { SetHeight(-MulDiv(size, FPixelsPerInch, 72)); }

void TFont::SetColor(TColor color) {
  if (color == FColor) return;
  FColor = color;
  Changed();
}

void TFont::SetStyle(TFontStyles style) {
  if (style == FStyle) return;
  FStyle = style;
  Changed();
}

void TFont::SetPitch(TFontPitch pitch) {
  if (pitch == FPitch) return;
  FPitch = pitch;
  Changed();
}

void TFont::SetCharset(TFontCharset charset) {
  if (charset == FCharset) return;
  FCharset = charset;
  Changed();
}

LOGFONTA TFont::LogFont() const {
  LOGFONTA font{};
  font.lfHeight = FHeight;
  font.lfWeight = FStyle.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
  font.lfItalic = FStyle.Contains(fsItalic) ? 1 : 0;
  font.lfUnderline = FStyle.Contains(fsUnderline) ? 1 : 0;
  font.lfStrikeOut = FStyle.Contains(fsStrikeOut) ? 1 : 0;
  font.lfCharSet = FCharset;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = FPitch == fpFixed ? FIXED_PITCH : FPitch == fpVariable ? VARIABLE_PITCH : DEFAULT_PITCH;
  const std::size_t length = std::min(FName.size(), sizeof font.lfFaceName - 1);
  std::copy_n(FName.data(), length, font.lfFaceName);
  return font;
}

HGDIOBJ TFont::CreateGdiHandle() {
  const LOGFONTA font = LogFont();
  return CreateFontIndirectA(&font);
}
