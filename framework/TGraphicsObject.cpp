#include "TGraphicsObject.h"

TAWO_IMPLEMENT_CLASS(TGraphicsObject)

TGraphicsObject::~TGraphicsObject() { DestroyHandle(); }

HGDIOBJ TGraphicsObject::GdiHandle() {
  if (FHandle == nullptr) {
    FHandle = CreateGdiHandle();
    if (FHandle == nullptr) throw EOutOfResources();
  }
  return FHandle;
}

void TGraphicsObject::Changed() {
  OnChange(this);
  DestroyHandle();
}

void TGraphicsObject::DestroyHandle() {
  if (FHandle == nullptr) return;
  DeleteObject(FHandle);
  FHandle = nullptr;
}
