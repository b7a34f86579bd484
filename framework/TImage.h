// Unit ExtCtrls: TImage, a picture shown at its size, centred, or stretched to the control.
#pragma once

#include "TGraphicControl.h"
#include "TPicture.h"

#include <memory>

class TImage : public TGraphicControl {
  TAWO_CLASS(TImage, TGraphicControl)

 public:
  // 105 x 105, empty.
  explicit TImage(TComponent* owner);
  ~TImage() override;

  TPicture* Picture() const { return FPicture.get(); }
  void SetPicture(TPicture* picture) { FPicture->Assign(picture); }
  // The picture's transparent colour shows what lies beneath.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool transparent);
  bool Stretch() const { return FStretch; }
  void SetStretch(bool stretch);
  bool Center() const { return FCenter; }
  void SetCenter(bool center);
  // The control takes the picture's size (when it has one).
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool autoSize);

  // Where the picture is painted, in client coordinates.
  RECT DestRect();

 protected:
  void Paint() override;

 private:
  void PictureChanged(TObject* sender);

  std::unique_ptr<TPicture> FPicture;
  bool FTransparent = false;
  bool FStretch = false;
  bool FCenter = false;
  bool FAutoSize = false;
};
