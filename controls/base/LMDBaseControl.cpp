#include "LMDBaseControl.h"

#include "LMDCustomControl.h"

#include <LMDContainer.h>
#include <LMDCustomImageList.h>

#include <TCustomForm.h>
#include <TWinControl.h>

using enum TOperation;

TAWO_IMPLEMENT_CLASS(TLMDBaseControl)

TLMDBaseControl::TLMDBaseControl(TComponent* owner)
    : TLMDControl(owner),
      FImageLink(TNotifyEvent(this, &TLMDBaseControl::GetIMLChange)),
      FBackFX(std::make_unique<TLMDBitmapEffectObject>()) {
  FBackFX->OnChange = TNotifyEvent(this, &TLMDBaseControl::GetChange);
}

TLMDBaseControl::~TLMDBaseControl() { FBackFX->OnChange = nullptr; }

void TLMDBaseControl::SetImageList(TLMDCustomImageList* value) {
  FImageLink.SetImageList(value, this);
  GetIMLChange(nullptr);
}

void TLMDBaseControl::SetIndex(int32_t index, int32_t value) {
  if (FImageLink.SetIndex(index, value) && ImageList() != nullptr) GetIMLChange(nullptr);
}

bool TLMDBaseControl::ParentKeepsBackground() const {
  auto* parent = dynamic_cast<TLMDCustomControl*>(Parent());
  return parent != nullptr && parent->HandleAllocated() && parent->BackBitmapCheck();
}

bool TLMDBaseControl::CanPaintNow() const {
  return Visible() && Parent() != nullptr && Parent()->HandleAllocated();
}

void TLMDBaseControl::SetOpaque(bool opaque) {
  TControlStyle style = ControlStyle();
  if (opaque) style.Include(TControlStyleItem::csOpaque);
  else style.Exclude(TControlStyleItem::csOpaque);
  SetControlStyle(style);
}

void TLMDBaseControl::GetIMLChange(TObject* sender) {
  GetChange(sender);
}

RECT TLMDBaseControl::GetScreenRect(const RECT& rect) {
  const POINT topLeft = ClientToScreen(POINT{rect.left, rect.top});
  const POINT bottomRight = ClientToScreen(POINT{rect.right, rect.bottom});
  return RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

POINT TLMDBaseControl::BackMapPoint(int x, int y) {
  POINT point{x, y};
  if (Parent() != nullptr && dynamic_cast<TCustomForm*>(Parent()) == nullptr) {
    point.x += Parent()->Left();
    point.y += Parent()->Top();
  }
  if (ClientWidth() != Width()) point.x += (Width() - ClientWidth()) / 2;
  if (ClientHeight() != Height()) point.y += (Height() - ClientHeight()) / 2;
  return point;
}

void TLMDBaseControl::DefineProperties(TFiler& filer) {
  inherited::DefineProperties(filer);
  LMDDefineInternal(filer, ImageList(), [this](TLMDCustomImageList* list) { SetImageList(list); });
}

// A connector's items are complete only once the form is loaded.
void TLMDBaseControl::Loaded() {
  inherited::Loaded();
  if (LMDIsCollectionImageList(ImageList())) GetIMLChange(nullptr);
}

// A container being destroyed is no longer a container when its removal is announced, so the
// lists are recognised by identity alone.
void TLMDBaseControl::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation != opRemove || component == nullptr) return;
  if (component == ImageList()) SetImageList(nullptr);
  TLMDAlphaObject* alpha = FBackFX->AlphaBlend();
  if (!ComponentState().Contains(TComponentStateItem::csDestroying) && component == alpha->ImageList()) {
    alpha->SetImageList(nullptr);
  }
}

void TLMDBaseControl::Dispatch(TMessage& message) {
  if (message.Msg == CM_LMDBACKCHANGED) {
    FBackFX->DestroyBuffer();
    if (!IsLoading() && CheckOptimized()) GetChange(nullptr);
    return;
  }
  inherited::Dispatch(message);
}
