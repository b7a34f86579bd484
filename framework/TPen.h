// Unit Graphics: TPen, the colour, style, width and mix mode of lines and outlines.
#pragma once

#include "Graphics.h"
#include "TGraphicsObject.h"

#include <windows.h>

class TPen : public TGraphicsObject {
  TAWO_CLASS(TPen, TGraphicsObject)

 public:
  TPen() = default;

  void Assign(TPersistent* source) override;

  HPEN Handle() { return static_cast<HPEN>(GdiHandle()); }

  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  TPenMode Mode() const { return FMode; }
  void SetMode(TPenMode mode);
  TPenStyle Style() const { return FStyle; }
  void SetStyle(TPenStyle style);
  int32_t Width() const { return FWidth; }
  void SetWidth(int32_t width);

 protected:
  HGDIOBJ CreateGdiHandle() override;

 private:
  TColor FColor = clBlack;
  TPenMode FMode = TPenMode::pmCopy;
  TPenStyle FStyle = TPenStyle::psSolid;
  int32_t FWidth = 1;
};
