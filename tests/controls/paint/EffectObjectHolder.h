// A component that owns a bitmap effect object and publishes it, as a control does, for
// form-description round trips and notification counts. A handler may run on every change.
#pragma once

#include <LMDBitmapEffectObject.h>
#include <TComponent.h>

#include <functional>
#include <memory>

class TEffectObjectHolder : public TComponent {
  TAWO_CLASS(TEffectObjectHolder, TComponent)

 public:
  explicit TEffectObjectHolder(TComponent* owner);
  ~TEffectObjectHolder() override;

  TLMDBitmapEffectObject* Effect() const { return FEffect.get(); }
  void SetEffect(TLMDBitmapEffectObject* value) { FEffect->Assign(value); }

  void Changed(TObject*) {
    ++Changes;
    if (OnEachChange) OnEachChange();
  }
  int Changes = 0;
  std::function<void()> OnEachChange;

 private:
  std::unique_ptr<TLMDBitmapEffectObject> FEffect = std::make_unique<TLMDBitmapEffectObject>();
};
