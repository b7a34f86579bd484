#include "EffectSample.h"

#include <LMDBitmapList.h>
#include <LMDBitmapListItem.h>

TAWO_PUBLISHED(TEffectSample, published) {
  published.Property("Effect", &TEffectSample::Effect, &TEffectSample::SetEffect);
  published.Property("Pictures", &TEffectSample::Pictures, &TEffectSample::SetPictures);
  published.Property("ListIndex", &TEffectSample::ListIndex, &TEffectSample::SetListIndex).Default(0);
}

TEffectSample::TEffectSample(TComponent* owner)
    : TGraphicControl(owner), FEffect(std::make_unique<TLMDBitmapEffectObject>()) {
  FEffect->OnChange = TNotifyEvent(this, &TEffectSample::EffectChanged);
}

TEffectSample::~TEffectSample() { FEffect->OnChange = nullptr; }

void TEffectSample::SetPictures(TLMDBitmapList* value) {
  if (value == FPictures) return;
  if (FPictures != nullptr) FPictures->RemoveFreeNotification(this);
  FPictures = value;
  if (FPictures != nullptr) FPictures->FreeNotification(this);
  Invalidate();
}

void TEffectSample::SetListIndex(int32_t value) {
  if (value == FListIndex) return;
  FListIndex = value;
  Invalidate();
}

void TEffectSample::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FPictures) FPictures = nullptr;
}

void TEffectSample::Paint() {
  if (FPictures == nullptr || FListIndex < 0 || FListIndex >= FPictures->Count()) return;
  TBitmap picture;
  picture.Assign(FPictures->Item(FListIndex)->Bitmap());
  FEffect->Draw(&picture);
  Canvas()->StretchDraw(ClientRect(), &picture);
}
