// Unit Controls: TSizeConstraints, the smallest and largest width and height a control may
// take (0 = no limit). SetBounds, alignment, anchoring and sizing by the user keep to them.
#pragma once

#include "TPersistent.h"

class TControl;

class TSizeConstraints : public TPersistent {
  TAWO_CLASS(TSizeConstraints, TPersistent)

 public:
  explicit TSizeConstraints(TControl* control = nullptr) : FControl(control) {}

  int MinWidth() const { return FMinWidth; }
  int MinHeight() const { return FMinHeight; }
  int MaxWidth() const { return FMaxWidth; }
  int MaxHeight() const { return FMaxHeight; }
  // A minimum above the maximum raises the maximum, a maximum below the minimum lowers the
  // minimum; negative values count as 0.
  void SetMinWidth(int value);
  void SetMinHeight(int value);
  void SetMaxWidth(int value);
  void SetMaxHeight(int value);

  // Brings a width and height into the limits.
  void Apply(int& width, int& height) const;

  void Assign(TPersistent* source) override;

  TNotifyEvent OnChange;

 protected:
  TPersistent* GetOwner() const override;

 private:
  void Change() { OnChange(this); }

  TControl* FControl;
  int FMinWidth = 0;
  int FMinHeight = 0;
  int FMaxWidth = 0;
  int FMaxHeight = 0;
};
