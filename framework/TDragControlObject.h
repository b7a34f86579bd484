// Unit Controls: TDragControlObject, the drag of a control: targets see the control as the
// source, the cursor is the control's DragCursor, and the control gets OnEndDrag.
#pragma once

#include "TDragObject.h"

class TDragControlObject : public TDragObject {
  TAWO_CLASS(TDragControlObject, TDragObject)

 public:
  explicit TDragControlObject(TControl* control) : FControl(control) {}

  TControl* Control() const { return FControl; }

  TCursor GetDragCursor(bool accepted, int x, int y) override;
  TObject* EventSource() override;
  void Finished(TObject* target, int x, int y, bool accepted) override;

 private:
  TControl* FControl;
};
