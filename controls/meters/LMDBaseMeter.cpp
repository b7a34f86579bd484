#include "LMDBaseMeter.h"

#include <Controls.h>
#include <LMDUtilsText.h>

#include <algorithm>
#include <memory>

using enum TBrushStyle;
using enum TControlStyleItem;
using enum TLMDBevelStyle;
using enum TLMDDrawTextStyle;
using enum TLMDMeterDirection;
using enum TLMDMeterTextOptions;

TAWO_IMPLEMENT_CLASS(TLMDBaseMeter)

namespace {

// A hundredth in extended precision: its nearest value lies just below 0.01.
constexpr long double kHundredth = 0.01L;

}  // namespace

TLMDBaseMeter::TLMDBaseMeter(TComponent* owner) : TLMDGraphicControl(owner) {
  DisableTransMode();
  TControlStyle style = ControlStyle();
  style.Exclude(csSetCaption);
  style.Include(csReplicatable);
  SetControlStyle(style);
  Bevel()->BeginUpdate();
  Bevel()->SetBevelStyleOuter(bvLowered);
  Bevel()->EndUpdate(false);
  FFont3D = std::make_unique<TLMD3DCaption>();
  FFont3D->OnChange = TNotifyEvent(this, &TLMDBaseMeter::GetChange);
  SetWidth(80);
  SetHeight(20);
}

TLMDBaseMeter::~TLMDBaseMeter() {
  FFont3D->OnChange = nullptr;
}

void TLMDBaseMeter::SetMaxValue(int32_t value) {
  if (value == FMaxValue || value == FMinValue) return;
  const int32_t oldMin = FMinValue;
  FMinValue = std::min(value, oldMin);
  FMaxValue = std::max(value, oldMin);
  if (FUserValue < FMinValue || FUserValue > FMaxValue) FUserValue = FMaxValue;
  Synchronize(false);
  InvalidateControl();
}

void TLMDBaseMeter::SetMinValue(int32_t value) {
  if (value == FMinValue || value == FMaxValue) return;
  const int32_t oldMax = FMaxValue;
  FMinValue = std::min(value, oldMax);
  FMaxValue = std::max(value, oldMax);
  if (FUserValue < FMinValue || FUserValue > FMaxValue) FUserValue = FMinValue;
  Synchronize(false);
  InvalidateControl();
}

void TLMDBaseMeter::SetUserValue(int32_t value) {
  if (value == FUserValue || value < FMinValue || value > FMaxValue) return;
  FUserValue = value;
  Synchronize(false);
  Draw();
}

void TLMDBaseMeter::SetPercentValue(TLMDPercent value) {
  if (value == FPosition) return;
  FPosition = std::min<TLMDPercent>(value, 100);
  Synchronize(true);
  Draw();
}

void TLMDBaseMeter::SetDirection(TLMDMeterDirection value) {
  if (value == FDirection) return;
  FDirection = value;
  InvalidateControl();
}

void TLMDBaseMeter::SetAlignment(TAlignment value) {
  if (value == FAlignment) return;
  FAlignment = value;
  InvalidateControl();
}

void TLMDBaseMeter::SetTextOptions(TLMDMeterTextOptions value) {
  if (value == FOptionsText) return;
  FOptionsText = value;
  InvalidateControl();
}

void TLMDBaseMeter::SetUseFontColor(bool value) {
  if (value == FUseFontColor) return;
  FUseFontColor = value;
  InvalidateControl();
}

void TLMDBaseMeter::Dispatch(TMessage& message) {
  if (message.Msg == CM_TEXTCHANGED) {
    InvalidateControl();
    return;
  }
  inherited::Dispatch(message);
}

void TLMDBaseMeter::Synchronize(bool fromPercent) {
  if (fromPercent) {
    const long double range = static_cast<long double>(FMaxValue) - FMinValue;
    FUserValue = static_cast<int32_t>(FMinValue + Round(FPosition * kHundredth * range));
  } else {
    FPosition = GetPercentValue(FUserValue);
  }
}

// The range is taken in extended precision, so extreme ranges cannot overflow.
TLMDPercent TLMDBaseMeter::GetPercentValue(int32_t value) const {
  const long double offset = static_cast<long double>(value) - FMinValue;
  const long double range = static_cast<long double>(FMaxValue) - FMinValue;
  const int64_t percent = Round(offset / range * 100);
  return static_cast<TLMDPercent>(std::clamp<int64_t>(percent, 0, 100));
}

void TLMDBaseMeter::Add(TLMDPercent step) {
  if (step == 0) return;
  FPosition = FPosition + step >= 100 ? 100 : static_cast<TLMDPercent>(FPosition + step);
  Draw();
}

void TLMDBaseMeter::Sub(TLMDPercent step) {
  if (step == 0) return;
  FPosition = FPosition > step ? static_cast<TLMDPercent>(FPosition - step) : 0;
  Draw();
}

int32_t TLMDBaseMeter::GetExtend(TLMDPercent percent, int32_t size) {
  const long double scaled = percent * kHundredth;
  return static_cast<int32_t>(std::min<int64_t>(Trunc(scaled * size), size));
}

void TLMDBaseMeter::Paint() {
  if (IsLoading() || CorrectBounds()) return;
  FBarDrawn = false;
  Canvas()->Brush()->SetColor(Color());
  Canvas()->FillRect(ClientRect());
  FPaintRect = PaintBevel();
  Draw();
}

void TLMDBaseMeter::Draw() {
  if (FBusy || IsLoading() || !CanPaintNow()) return;
  const TLMDPercent value = GetDrawValue();
  if (IsDrawn(value)) return;
  FBusy = true;
  struct Finish {
    TLMDBaseMeter& meter;
    TLMDPercent value;
    ~Finish() {
      meter.FBusy = false;
      meter.FLastDrawn = value;
      meter.FBarDrawn = true;
    }
  } finish{*this, value};
  std::unique_ptr<TBitmap> bitmap = CreateBarBitmap();
  const RECT whole{0, 0, bitmap->Width(), bitmap->Height()};
  const RECT bar = BarRect(value, whole.right, whole.bottom);
  RECT rest;
  SubtractRect(&rest, &whole, &bar);
  DrawBar(bitmap->Canvas(), bar, rest, whole);
  Canvas()->Draw(FPaintRect.left, FPaintRect.top, bitmap.get());
}

// Whether the bar already shows `value` closely enough: a change smaller than Delta is
// skipped, except when the percentage is shown as text, and an empty bar is drawn again only
// when it shows something else.
bool TLMDBaseMeter::IsDrawn(TLMDPercent value) const {
  if (!FBarDrawn) return false;
  if (value == FLastDrawn) return true;
  if (FOptionsText == toPercent) return false;
  return value > 0 && std::abs(value - FLastDrawn) < FDelta;
}

// The paint rectangle's size filled with Color; empty for an empty rectangle.
std::unique_ptr<TBitmap> TLMDBaseMeter::CreateBarBitmap() const {
  auto bitmap = std::make_unique<TBitmap>();
  if (IsRectEmpty(&FPaintRect)) return bitmap;
  bitmap->SetSize(FPaintRect.right - FPaintRect.left, FPaintRect.bottom - FPaintRect.top);
  bitmap->Canvas()->Brush()->SetStyle(bsSolid);
  bitmap->Canvas()->Brush()->SetColor(Color());
  bitmap->Canvas()->FillRect(RECT{0, 0, bitmap->Width(), bitmap->Height()});
  return bitmap;
}

RECT TLMDBaseMeter::BarRect(TLMDPercent value, int32_t width, int32_t height) const {
  switch (FDirection) {
    case mdVertical:
      return RECT{0, 0, width, GetExtend(value, height)};
    case mdHorizontalReverse:
      return RECT{width - GetExtend(value, width), 0, width, height};
    case mdVerticalReverse:
      return RECT{0, height - GetExtend(value, height), width, height};
    case mdHorizontal:
      break;
  }
  return RECT{0, 0, GetExtend(value, width), height};
}

void TLMDBaseMeter::DrawBar(TCanvas*, const RECT&, const RECT&, const RECT&) {}

void TLMDBaseMeter::DrawCaption(TCanvas* canvas, const RECT& bar, const RECT& rest, const RECT& whole, bool useColor,
                               TColor color) {
  if (FOptionsText == toNoText) return;
  canvas->SetFont(Font());
  canvas->Brush()->SetColor(Color());
  canvas->Brush()->SetStyle(bsClear);
  const AnsiString text = Text();
  const UINT format = TextFormat();
  TLMDDrawTextStyles styles{Enabled() ? dtEnabled : dtDisabled};
  if (FUseFontColor) {
    LMDDrawTextExt(canvas, text, FFont3D.get(), whole, format, styles, nullptr);
    return;
  }
  styles.Include(dtClip);
  canvas->Font()->SetColor(Color());
  LMDDrawTextExt(canvas, text, FFont3D.get(), whole, format, styles, &bar);
  canvas->Font()->SetColor(useColor ? color : Font()->Color());
  LMDDrawTextExt(canvas, text, FFont3D.get(), whole, format, styles, &rest);
}

AnsiString TLMDBaseMeter::Text() const {
  if (FOptionsText == toCaption) return Caption();
  return Format("%d%%", {GetDrawValue() & 0x7F});
}

UINT TLMDBaseMeter::TextFormat() const {
  constexpr UINT kHorizontal[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  return kHorizontal[static_cast<size_t>(FAlignment)] | DT_SINGLELINE | DT_VCENTER;
}
