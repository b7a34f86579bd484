// A component that owns a plain and an FX caption effect and publishes them, as a control
// does, for form-description round trips and notification counts.
#pragma once

#include <LMDFXCaption.h>
#include <TComponent.h>

#include <memory>

class TCaptionHolder : public TComponent {
  TAWO_CLASS(TCaptionHolder, TComponent)

 public:
  explicit TCaptionHolder(TComponent* owner);
  ~TCaptionHolder() override;

  TLMD3DCaption* Font3D() const { return FFont3D.get(); }
  void SetFont3D(TLMD3DCaption* value) { FFont3D->Assign(value); }
  TLMDFxCaption* FontFX() const { return FFontFX.get(); }
  void SetFontFX(TLMDFxCaption* value) { FFontFX->Assign(value); }

  void Changed(TObject* sender) {
    ++Changes;
    LastSender = sender;
  }
  int Changes = 0;
  TObject* LastSender = nullptr;

 private:
  std::unique_ptr<TLMD3DCaption> FFont3D = std::make_unique<TLMD3DCaption>();
  std::unique_ptr<TLMDFxCaption> FFontFX = std::make_unique<TLMDFxCaption>();
};
