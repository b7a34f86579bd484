// Unit LMDBaseMeter: TLMDBaseMeter, the base of the library's meters. It keeps its value as a
// user value in [MinValue, MaxValue] and as a percentage (Position) and keeps the two in step.
// Range and look changes repaint the whole control; value changes redraw only the bar, at once,
// through an off-screen bitmap, and only when the drawn percentage moved by at least Delta.
// Descendants paint the bar (DrawBar) and may draw the caption or the percentage across it.
#pragma once

#include <LMDGraphicControl.h>

#include <Classes.h>
#include <LMD3DCaption.h>
#include <LMDGraph.h>
#include <TBitmap.h>

#include <memory>

TAWO_ENUM(TLMDMeterDirection, mdHorizontal, mdVertical, mdHorizontalReverse, mdVerticalReverse)
TAWO_ENUM(TLMDMeterTextOptions, toNoText, toCaption, toPercent)

class TLMDBaseMeter : public TLMDGraphicControl {
  TAWO_CLASS(TLMDBaseMeter, TLMDGraphicControl)

 public:
  explicit TLMDBaseMeter(TComponent* owner);
  ~TLMDBaseMeter() override;

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
  TLMD3DCaption* Font3D() const { return FFont3D.get(); }
  void Set3DCaption(TLMD3DCaption* value) { FFont3D->Assign(value); }
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  TLMDMeterTextOptions OptionsText() const { return FOptionsText; }
  void SetTextOptions(TLMDMeterTextOptions value);
  // Draw the text once in the font colour instead of in Color over the bar.
  bool UseFontColor() const { return FUseFontColor; }
  void SetUseFontColor(bool value);

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
  // Draws the meter's text across `whole`: in Color over the bar and, over the rest, in
  // `color` when useColor is set, else in the font's colour. With UseFontColor the text is
  // drawn once in the font's colour.
  void DrawCaption(TCanvas* canvas, const RECT& bar, const RECT& rest, const RECT& whole, bool useColor,
                   TColor color);
  void Dispatch(TMessage& message) override;

 private:
  bool IsDrawn(TLMDPercent value) const;
  AnsiString Text() const;
  UINT TextFormat() const;
  std::unique_ptr<TBitmap> CreateBarBitmap() const;
  RECT BarRect(TLMDPercent value, int32_t width, int32_t height) const;

  std::unique_ptr<TLMD3DCaption> FFont3D;
  TAlignment FAlignment = TAlignment::taCenter;
  TLMDMeterDirection FDirection = TLMDMeterDirection::mdHorizontal;
  int32_t FMaxValue = 100;
  int32_t FMinValue = 0;
  TLMDPercent FPosition = 0;
  TLMDPercent FLastDrawn = 0;
  bool FBarDrawn = false;  // false until the first bar after a full repaint
  TLMDPercent FStep = 10;
  RECT FPaintRect{};
  TLMDMeterTextOptions FOptionsText = TLMDMeterTextOptions::toNoText;
  bool FUseFontColor = false;
  int32_t FUserValue = 0;
  uint8_t FDelta = 1;
};
