// Unit Controls: TMouse, the global Mouse: how controls with DragMode dmAutomatic start a drag.
#pragma once

#include "System.h"
#include "TUnitGlobal.h"

class TMouse : public TObject {
  TAWO_CLASS(TMouse, TObject)

 public:
  TMouse() = default;

  // A drag starts at the press (true) or once the pointer moved DragThreshold pixels away.
  bool DragImmediate() const { return FDragImmediate; }
  void SetDragImmediate(bool value) { FDragImmediate = value; }
  int DragThreshold() const { return FDragThreshold; }
  void SetDragThreshold(int value) { FDragThreshold = value; }

 private:
  bool FDragImmediate = true;
  int FDragThreshold = 5;
};

extern TUnitGlobal<TMouse> Mouse;
