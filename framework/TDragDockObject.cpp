#include "TDragDockObject.h"

#include "TControl.h"

TAWO_IMPLEMENT_CLASS(TDragDockObject)

TCursor TDragDockObject::GetDragCursor(bool, int, int) { return crDefault; }

void TDragDockObject::Finished(TObject* target, int x, int y, bool accepted) {
  Control()->DoEndDock(accepted ? target : nullptr, x, y);
}
