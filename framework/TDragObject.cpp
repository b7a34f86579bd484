#include "TDragObject.h"

TAWO_IMPLEMENT_CLASS(TDragObject)

TCursor TDragObject::GetDragCursor(bool accepted, int, int) { return accepted ? crDrag : crNoDrop; }

void TDragObject::Finished(TObject*, int, int, bool) {}
