// Unit EffectSample: TEffectSample, the gallery's window onto the library's bitmap effects: a
// picture of a bitmap list drawn, stretched to the control, through a bitmap effect object
// (mirroring, grey scale, inversion, brightness, alpha blending with a fill). The library's
// controls keep such an object for their background without publishing it.
#pragma once

#include <LMDBitmapEffectObject.h>
#include <TGraphicControl.h>

#include <memory>

class TLMDBitmapList;

class TEffectSample : public TGraphicControl {
  TAWO_CLASS(TEffectSample, TGraphicControl)

 public:
  explicit TEffectSample(TComponent* owner);
  ~TEffectSample() override;

  TLMDBitmapEffectObject* Effect() const { return FEffect.get(); }
  void SetEffect(TLMDBitmapEffectObject* value) { FEffect->Assign(value); }
  TLMDBitmapList* Pictures() const { return FPictures; }
  void SetPictures(TLMDBitmapList* value);
  int32_t ListIndex() const { return FListIndex; }
  void SetListIndex(int32_t value);

 protected:
  void Paint() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void EffectChanged(TObject*) { Invalidate(); }

  std::unique_ptr<TLMDBitmapEffectObject> FEffect;
  TLMDBitmapList* FPictures = nullptr;
  int32_t FListIndex = 0;
};
