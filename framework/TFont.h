// Unit Graphics: TFont, the typeface, size, style and colour of text.
#pragma once

#include "Graphics.h"
#include "TGraphicsObject.h"

#include <windows.h>

class TFont : public TGraphicsObject {
  TAWO_CLASS(TFont, TGraphicsObject)

 public:
  // MS Sans Serif, 8 points (Height -11 at 96 DPI), clWindowText, DEFAULT_CHARSET.
  TFont();

  void Assign(TPersistent* source) override;

  HFONT Handle() { return static_cast<HFONT>(GdiHandle()); }

  const AnsiString& Name() const { return FName; }
  void SetName(const AnsiString& name);
  // Negative: character (em) height in pixels; positive: cell height.
  int32_t Height() const { return FHeight; }
  void SetHeight(int32_t height);
  // Points: -MulDiv(Height, 72, PixelsPerInch).
  int32_t Size() const;
  void SetSize(int32_t size);
  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles style);
  TFontPitch Pitch() const { return FPitch; }
  void SetPitch(TFontPitch pitch);
  TFontCharset Charset() const { return FCharset; }
  void SetCharset(TFontCharset charset);
  int32_t PixelsPerInch() const { return FPixelsPerInch; }
  void SetPixelsPerInch(int32_t pixelsPerInch) { FPixelsPerInch = pixelsPerInch; }

  // The LOGFONT the handle is made from.
  LOGFONTA LogFont() const;

 protected:
  HGDIOBJ CreateGdiHandle() override;

 private:
  AnsiString FName = "MS Sans Serif";
  int32_t FHeight = -11;
  int32_t FPixelsPerInch = 96;
  TColor FColor = clWindowText;
  TFontStyles FStyle;
  TFontPitch FPitch = TFontPitch::fpDefault;
  TFontCharset FCharset = DEFAULT_CHARSET;
};
