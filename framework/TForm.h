// Unit Forms: TForm, the form class that application forms derive from; it publishes the
// properties and events that form descriptions set.
#pragma once

#include "TCustomForm.h"

class TForm : public TCustomForm {
  TAWO_CLASS(TForm, TCustomForm)

 public:
  explicit TForm(TComponent* owner) : TCustomForm(owner) {}

  // Kept for form descriptions: OnCreate always runs after construction here.
  bool OldCreateOrder() const { return FOldCreateOrder; }
  void SetOldCreateOrder(bool value) { FOldCreateOrder = value; }
  // The resolution the form was designed at; forms are not scaled.
  int32_t PixelsPerInch() const { return FPixelsPerInch; }
  void SetPixelsPerInch(int32_t value) { FPixelsPerInch = value; }

  void DefineProperties(TFiler& filer) override;

 private:
  bool FOldCreateOrder = false;
  int32_t FPixelsPerInch = 96;
};
