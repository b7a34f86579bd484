// Unit Controls: TDragObject, what is being dragged: where the pointer is, the control under
// it, the cursor to show and what happens when the drag ends.
#pragma once

#include "Controls.h"

class TDragObject : public TObject {
  TAWO_CLASS(TDragObject, TObject)

 public:
  TDragObject() = default;

  // The control under the pointer (null over no control) and the pointer there.
  TControl* DragTarget() const { return FDragTarget; }
  void SetDragTarget(TControl* value) { FDragTarget = value; }
  POINT DragPos() const { return FDragPos; }
  void SetDragPos(POINT value) { FDragPos = value; }
  // The pointer in the target's client coordinates.
  POINT DragTargetPos() const { return FDragTargetPos; }
  void SetDragTargetPos(POINT value) { FDragTargetPos = value; }
  bool Dropped() const { return FDropped; }
  void SetDropped(bool value) { FDropped = value; }

  // crDrag over a target that accepts, crNoDrop elsewhere.
  virtual TCursor GetDragCursor(bool accepted, int x, int y);
  // What the drag events of the targets see as Source: the object itself.
  virtual TObject* EventSource() { return this; }
  // The drag ended; `target` is null unless the drop was accepted.
  virtual void Finished(TObject* target, int x, int y, bool accepted);

 private:
  TControl* FDragTarget = nullptr;
  POINT FDragPos{};
  POINT FDragTargetPos{};
  bool FDropped = false;
};
