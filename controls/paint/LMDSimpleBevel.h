// Unit LMDSimpleBevel: TLMDSimpleBevel, a small bevel description (width, style, three
// colours) for shape painting.
#pragma once

#include "LMDGraph.h"

#include <LMDObject.h>

TAWO_ENUM(TLMDSimpleBevelStyle, sbNormal, sbInset, sbOffset)

class TLMDSimpleBevel : public TLMDObject {
  TAWO_CLASS(TLMDSimpleBevel, TLMDObject)

 public:
  TLMDSimpleBevel() = default;

  void Assign(TPersistent* source) override;
  AnsiString GetSetStr() const override;

  int32_t Width() const { return FWidth; }
  void SetWidth(int32_t value);
  TLMDSimpleBevelStyle Style() const { return FStyle; }
  void SetStyle(TLMDSimpleBevelStyle value);
  // The three colours by index: 0 LightColor, 1 ShadowColor, 2 Color.
  TColor GetColor(int32_t index) const;
  void SetColor(int32_t index, TColor value);
  TColor Color() const { return FColor; }
  TColor LightColor() const { return FLightColor; }
  TColor ShadowColor() const { return FShadowColor; }

 private:
  TLMDBevelWidth FWidth = 2;
  TLMDSimpleBevelStyle FStyle = TLMDSimpleBevelStyle::sbNormal;
  TColor FColor = clBlack;
  TColor FLightColor = clBtnHighlight;
  TColor FShadowColor = clBtnShadow;
};
