#include "LMDFXCaption.h"

#include "LMDUtilsText.h"

#include <LMDBase.h>
#include <SysUtils.h>

namespace {

constexpr int32_t kFullCircle = 360;
constexpr int32_t kMaxPos = 0xFFFF;

uint16_t CheckUpTo(int32_t value, int32_t high) {
  if (value < 0 || value > high) throw ERangeError(Format("Value %d is out of range %d..%d", {value, 0, high}));
  return static_cast<uint16_t>(value);
}

}  // namespace

TAWO_PUBLISHED(TLMDFxCaption, published) {
  published.Property("Angle", &TLMDFxCaption::Angle, &TLMDFxCaption::SetAngle).Default(0);
  published.Property("PosX", &TLMDFxCaption::GetPos, &TLMDFxCaption::SetPos, 0).Default(0);
  published.Property("PosY", &TLMDFxCaption::GetPos, &TLMDFxCaption::SetPos, 1).Default(0);
}

void TLMDFxCaption::Assign(TPersistent* source) {
  if (source == this) return;
  auto* other = dynamic_cast<TLMDFxCaption*>(source);
  if (other == nullptr) {
    inherited::Assign(source);
    return;
  }
  BeginUpdate();
  CopyEffect(*other);
  FPosX = other->FPosX;
  FPosY = other->FPosY;
  FAngle = other->FAngle;
  EndUpdate(true);
}

AnsiString TLMDFxCaption::GetSetStr() const {
  AnsiString summary = inherited::GetSetStr();
  if (FAngle == 0) return summary;
  if (summary == "{Disabled}") {
    summary = "{";
  } else {
    summary.back() = ',';
  }
  return summary + " rot: " + std::to_string(FAngle) + "°}"_a;
}

// Compared before 360 becomes 0, so 360 on an angle of 0 still notifies once.
void TLMDFxCaption::SetAngle(int32_t value) {
  const TLMDAngle angle = CheckUpTo(value, kFullCircle);
  if (angle == FAngle) return;
  FAngle = angle == kFullCircle ? 0 : angle;
  Change();
}

int32_t TLMDFxCaption::GetPos(int32_t index) const { return index == 0 ? FPosX : FPosY; }

void TLMDFxCaption::SetPos(int32_t index, int32_t value) {
  StoreAndNotify(index == 0 ? FPosX : FPosY, CheckUpTo(value, kMaxPos));
}

// Silent when both stay: measuring sets the position during every paint, and a notification
// would make the owner paint again.
void TLMDFxCaption::SetPosXY(int32_t x, int32_t y) {
  const uint16_t posX = CheckUpTo(x, kMaxPos);
  const uint16_t posY = CheckUpTo(y, kMaxPos);
  if (posX == FPosX && posY == FPosY) return;
  FPosX = posX;
  FPosY = posY;
  Change();
}

bool TLMDFxCaption::KeepFontRotatable(TFont* font, bool fontChanged) {
  if (FAngle == 0 || LMDIsTrueTypeFont(font)) return false;
  if (fontChanged) {
    SetAngle(0);
    return false;
  }
  font->SetName(LMD_DEFAULTFONT);
  return true;
}
