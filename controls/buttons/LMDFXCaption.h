// Unit LMDFXCaption: TLMDFxCaption, a caption effect that can also rotate the text and place it
// at an explicit offset inside the drawing rectangle.
#pragma once

#include "LMD3DCaption.h"

#include <TFont.h>

#include <cstdint>

// Whole degrees, counter-clockwise, 0..360 (360 is stored as 0).
using TLMDAngle = uint16_t;

class TLMDFxCaption : public TLMD3DCaption {
  TAWO_CLASS(TLMDFxCaption, TLMD3DCaption)

 public:
  TLMDFxCaption() = default;

  // From another FX caption: the shared effect plus position and angle, one notification.
  void Assign(TPersistent* source) override;
  // The effect's summary with the angle added when it is not 0: "{raised, rot: 45°}".
  AnsiString GetSetStr() const override;

  int32_t Angle() const { return FAngle; }
  void SetAngle(int32_t value);
  // The text's offset from the drawing rectangle's top-left, by index: 0 PosX, 1 PosY; 0..65535.
  int32_t GetPos(int32_t index) const;
  void SetPos(int32_t index, int32_t value);
  int32_t PosX() const { return FPosX; }
  int32_t PosY() const { return FPosY; }
  // Both positions with one notification.
  void SetPosXY(int32_t x, int32_t y);

  // A rotated caption needs a TrueType font. When the angle is not 0 and `font` is not
  // TrueType, a change of the font (`fontChanged`) turns the angle back to 0 and any other
  // change sets the font to Arial; true in that last case, whose font change follows on its own.
  bool KeepFontRotatable(TFont* font, bool fontChanged);

 private:
  TLMDAngle FAngle = 0;
  uint16_t FPosX = 0;
  uint16_t FPosY = 0;
};
