// Unit LMDBaseMeter: TLMDBaseMeter, the base of the library's meters. It keeps its value as a
// user value in [MinValue, MaxValue] and as a percentage (Position) and keeps the two in step.
// Range changes repaint the whole control; value changes redraw only the bar, at once, through
// an off-screen bitmap, and only when the drawn percentage moved by at least Delta.
#pragma once

#include "LMDGraphicControl.h"

#include <LMDGraph.h>
#include <TBitmap.h>

#include <memory>

TAWO_ENUM(TLMDMeterDirection, mdHorizontal, mdVertical, mdHorizontalReverse, mdVerticalReverse)

class TLMDBaseMeter : public TLMDGraphicControl {
  TAWO_CLASS(TLMDBaseMeter, TLMDGraphicControl)

 public:
  explicit TLMDBaseMeter(TComponent* owner);

  int32_t MaxValue() const { return FMaxValue; }
  void SetMaxValue(int32_t value);
  int32_t MinValue() const { return FMinValue; }
  void SetMinValue(int32_t value);
  TLMDPercent Position() const { return FPosition; }
  void SetPercentValue(TLMDPercent value);
  TLMDPercent Step() const { return FStep; }
  void SetStep(TLMDPercent value) { FStep = value; }
  int32_t UserValue() const { return FUserValue; }
  void SetUserValue(int32_t value);
  uint8_t Delta() const { return FDelta; }
  void SetDelta(uint8_t value) { FDelta = value; }
  TLMDMeterDirection Direction() const { return FDirection; }
  void SetDirection(TLMDMeterDirection value);

  // true: the user value from the percentage; false: the percentage from the user value.
  void Synchronize(bool fromPercent);
  // The percentage (0..100) of a user value, rounded half to even.
  TLMDPercent GetPercentValue(int32_t value) const;
  // Move Position alone (UserValue stays) and redraw the bar.
  void Add(TLMDPercent step);
  void Sub(TLMDPercent step);
  void StepAdd() { Add(FStep); }
  void StepSub() { Sub(FStep); }

  // The bar length for a percentage of `size` pixels, computed as the library does in
  // extended precision (30 % of 100 is 29).
  static int32_t GetExtend(TLMDPercent percent, int32_t size);

  // Redraws the bar area now, unless the drawn percentage moved by less than Delta.
  virtual void Draw();

 protected:
  void Paint() override;
  virtual bool CorrectBounds() { return false; }
  // Paints the bar into the off-screen canvas; nothing in the base.
  virtual void DrawBar(TCanvas* canvas, const RECT& bar, const RECT& rest, const RECT& whole);
  virtual TLMDPercent GetDrawValue() const { return FPosition; }

 private:
  bool IsDrawn(TLMDPercent value) const;
  std::unique_ptr<TBitmap> CreateBarBitmap() const;
  RECT BarRect(TLMDPercent value, int32_t width, int32_t height) const;

  TLMDMeterDirection FDirection = mdHorizontal;
  int32_t FMaxValue = 100;
  int32_t FMinValue = 0;
  TLMDPercent FPosition = 0;
  TLMDPercent FLastDrawn = 0;
  bool FBarDrawn = false;  // false until the first bar after a full repaint
  TLMDPercent FStep = 10;
  RECT FPaintRect{};
  int32_t FUserValue = 0;
  uint8_t FDelta = 1;
};
