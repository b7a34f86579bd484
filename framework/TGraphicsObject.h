// Unit Graphics: TGraphicsObject, the base of the font, pen and brush: a persistent object
// that owns a cached GDI handle and tells its canvas when it changes.
#pragma once

#include "Graphics.h"
#include "TPersistent.h"

#include <windows.h>

class TGraphicsObject : public TPersistent {
  TAWO_CLASS(TGraphicsObject, TPersistent)

 public:
  TGraphicsObject() = default;
  ~TGraphicsObject() override;
  TGraphicsObject(const TGraphicsObject&) = delete;
  TGraphicsObject& operator=(const TGraphicsObject&) = delete;

  // The GDI object for the current properties; made on first use and kept until a property
  // changes. The object owns it.
  HGDIOBJ GdiHandle();
  bool HandleAllocated() const { return FHandle != nullptr; }

  TNotifyEvent OnChange;

 protected:
  // Makes the GDI object for the current properties.
  virtual HGDIOBJ CreateGdiHandle() = 0;
  // After a property changed: the listeners let go of the old object first (OnChange), then
  // it is deleted, since a GDI object must not be deleted while selected into a DC.
  void Changed();

 private:
  void DestroyHandle();

  HGDIOBJ FHandle = nullptr;
};
