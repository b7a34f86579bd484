// Unit LMD3DCaption: TLMD3DCaption, how a control's text is drawn with a 3D look (sunken,
// raised, shadowed, outlined, extruded) and how it looks while the control is disabled. The
// painting itself is LMDDrawTextExt's (LMDUtilsText.h).
#pragma once

#include <Graphics.h>
#include <LMDObject.h>
#include <TypInfo.h>

#include <cstdint>

TAWO_ENUM(TLMDThreeDStyle, tdNone, tdSunken, tdRaised, tdSunkenShadow, tdRaisedShadow, tdPColorSunken,
          tdPColorRaised, tdShadow, tdOutline, tdExtrude, tdExtrudeEnh)
TAWO_ENUM(TLMDThreeDOrientation, toBottomLeft, toBottomRight, toTopLeft, toTopRight)
TAWO_ENUM(TLMDDisabledStyle, dsAuto, dsStandard, ds3d, dsNone)

class TLMD3DCaption : public TLMDObject {
  TAWO_CLASS(TLMD3DCaption, TLMDObject)

 public:
  TLMD3DCaption() = default;

  // Copies everything but Orientation from another caption effect, with one notification.
  void Assign(TPersistent* source) override;
  // "{raised}", "{sunken shadow}" ...; "{Disabled}" for tdNone.
  AnsiString GetSetStr() const override;

  TLMDDisabledStyle DisabledStyle() const { return FDisabledStyle; }
  void SetDisabledStyle(TLMDDisabledStyle value);
  // The two depths by index: 0 LightDepth, 1 ShadowDepth; 0..255.
  int32_t GetDepth(int32_t index) const;
  void SetDepth(int32_t index, int32_t value);
  int32_t LightDepth() const { return FLightDepth; }
  int32_t ShadowDepth() const { return FShadowDepth; }
  // The two colours by index: 0 LightColor, 1 ShadowColor.
  TColor GetColor(int32_t index) const;
  void SetColor(int32_t index, TColor value);
  TColor LightColor() const { return FLightColor; }
  TColor ShadowColor() const { return FShadowColor; }
  TLMDThreeDStyle Style() const { return FStyle; }
  void SetStyle(TLMDThreeDStyle value);
  TLMDThreeDOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TLMDThreeDOrientation value);
  // Extra pixels between characters; 0 = none.
  int32_t Tracing() const { return FTracing; }
  void SetTracing(int32_t value);

 protected:
  // Copies the seven properties Assign shares between all caption effects, without notifying.
  void CopyEffect(const TLMD3DCaption& source);

 private:
  TLMDDisabledStyle FDisabledStyle = TLMDDisabledStyle::dsAuto;
  uint8_t FLightDepth = 1;
  uint8_t FShadowDepth = 1;
  TColor FLightColor = clBtnHighlight;
  TColor FShadowColor = clBtnShadow;
  TLMDThreeDStyle FStyle = TLMDThreeDStyle::tdNone;
  TLMDThreeDOrientation FOrientation = TLMDThreeDOrientation::toTopLeft;
  int32_t FTracing = 0;
};
