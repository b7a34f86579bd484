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

// The old handle goes first, so listeners that ask for the handle get the new object.
void TGraphicsObject::Changed() {
  DestroyHandle();
  OnChange(this);
}

void TGraphicsObject::DestroyHandle() {
  if (FHandle == nullptr) return;
  DeleteObject(FHandle);
  FHandle = nullptr;
}
