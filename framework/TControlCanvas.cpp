#include "TControlCanvas.h"

#include "TControl.h"
#include "TWinControl.h"

#include <algorithm>
#include <vector>

TAWO_IMPLEMENT_CLASS(TControlCanvas)

namespace {

std::vector<TControlCanvas*>& CanvasesHoldingDCs() {
  static std::vector<TControlCanvas*> list;
  return list;
}

void Forget(TControlCanvas* canvas) {
  auto& list = CanvasesHoldingDCs();
  list.erase(std::remove(list.begin(), list.end(), canvas), list.end());
}

}  // namespace

TControlCanvas::~TControlCanvas() { FreeHandle(); }

void TControlCanvas::SetControl(TControl* control) {
  if (FControl == control) return;
  FreeHandle();
  FControl = control;
}

void TControlCanvas::FreeHandle() {
  if (FDeviceContext == nullptr) return;
  if (HandleAllocated()) SetHandle(nullptr);
  ReleaseDC(FWindowHandle, FDeviceContext);
  FDeviceContext = nullptr;
  FWindowHandle = nullptr;
  Forget(this);
}

void TControlCanvas::CreateHandle() {
  if (FControl == nullptr) {
    inherited::CreateHandle();
    return;
  }
  if (FDeviceContext == nullptr) {
    auto* windowed = dynamic_cast<TWinControl*>(FControl);
    TWinControl* owner = windowed != nullptr ? windowed : FControl->Parent();
    if (owner == nullptr) throw EInvalidOperation(Format(SParentRequired, {FControl->Name()}));
    FWindowHandle = owner->Handle();
    FDeviceContext = GetDC(FWindowHandle);
    if (FDeviceContext == nullptr) throw EOutOfResources();
    if (windowed == nullptr) {
      SetViewportOrgEx(FDeviceContext, FControl->Left(), FControl->Top(), nullptr);
      IntersectClipRect(FDeviceContext, 0, 0, FControl->Width(), FControl->Height());
    }
    CanvasesHoldingDCs().push_back(this);
  }
  SetHandle(FDeviceContext);
}

void FreeDeviceContexts() {
  const std::vector<TControlCanvas*> canvases = CanvasesHoldingDCs();
  for (TControlCanvas* canvas : canvases) {
    if (!canvas->TryLock()) continue;
    canvas->FreeHandle();
    canvas->Unlock();
  }
}
