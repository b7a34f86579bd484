// Unit Controls: TDragDockObject, the drag of a control to another dock site or out into a
// floating window: the rectangle the control would take (screen coordinates), where it goes
// in the site, and whether it floats.
#pragma once

#include "TDragControlObject.h"

class TDragDockObject : public TDragControlObject {
  TAWO_CLASS(TDragDockObject, TDragControlObject)

 public:
  explicit TDragDockObject(TControl* control) : TDragControlObject(control) {}

  RECT DockRect() const { return FDockRect; }
  void SetDockRect(const RECT& value) { FDockRect = value; }
  TAlign DropAlign() const { return FDropAlign; }
  void SetDropAlign(TAlign value) { FDropAlign = value; }
  TControl* DropOnControl() const { return FDropOnControl; }
  void SetDropOnControl(TControl* value) { FDropOnControl = value; }
  // No site takes the control: dropping it floats it.
  bool Floating() const { return FFloating; }
  void SetFloating(bool value) { FFloating = value; }

  // The pointer keeps its shape while docking.
  TCursor GetDragCursor(bool accepted, int x, int y) override;
  TObject* EventSource() override { return this; }
  void Finished(TObject* target, int x, int y, bool accepted) override;

 private:
  RECT FDockRect{};
  TAlign FDropAlign = TAlign::alNone;
  TControl* FDropOnControl = nullptr;
  bool FFloating = false;
};
