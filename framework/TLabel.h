// Unit StdCtrls: TLabel, text painted on its parent: several lines, optional word wrap,
// alignment, a transparent or filled background, and a size that follows the text.
#pragma once

#include "TGraphicControl.h"

class TWinControl;

class TLabel : public TGraphicControl {
  TAWO_CLASS(TLabel, TGraphicControl)

 public:
  // 65 x 17, AutoSize, not transparent.
  explicit TLabel(TComponent* owner);

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment alignment);
  // Fits the bounds to the text whenever text, font or wrapping change (a right-aligned
  // label keeps its right edge).
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool autoSize);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool wordWrap);
  // Without a background the parent shows through.
  bool Transparent() const { return !FControlStyle.Contains(TControlStyleItem::csOpaque); }
  void SetTransparent(bool transparent);
  // '&' marks the next letter as the accelerator ('&&' is a literal '&').
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool show);
  // The control an accelerator focuses.
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* control);

 protected:
  void Paint() override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  void Dispatch(TMessage& message) override;

 private:
  // DrawText of the caption with the label's font, embossed when disabled.
  void DoDrawText(RECT& rect, UINT flags);
  UINT TextFlags() const;
  void AdjustBounds();
  void CMDialogChar(TMessage& message);

  TAlignment FAlignment = TAlignment::taLeftJustify;
  bool FAutoSize = true;
  bool FWordWrap = false;
  bool FShowAccelChar = true;
  TWinControl* FFocusControl = nullptr;
};
