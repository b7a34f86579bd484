#include "TDragControlObject.h"

#include "TControl.h"

TAWO_IMPLEMENT_CLASS(TDragControlObject)

TCursor TDragControlObject::GetDragCursor(bool accepted, int, int) {
  return accepted ? FControl->DragCursor() : crNoDrop;
}

TObject* TDragControlObject::EventSource() { return FControl; }

void TDragControlObject::Finished(TObject* target, int x, int y, bool accepted) {
  FControl->DoEndDrag(accepted ? target : nullptr, x, y);
}
