// Unit Controls: TControlCanvas, the canvas of a control. Outside painting it draws through
// a DC of the control's window (a graphic control: its parent's, moved to the control and
// clipped to it); such DCs are released after every message the framework handles.
#pragma once

#include "TCanvas.h"

class TControl;

class TControlCanvas : public TCanvas {
  TAWO_CLASS(TControlCanvas, TCanvas)

 public:
  TControlCanvas() = default;
  ~TControlCanvas() override;

  TControl* Control() const { return FControl; }
  void SetControl(TControl* control);
  // Releases the window DC this canvas holds, if any.
  void FreeHandle();
  // Runs `paint` with the canvas locked on `dc`, a DC of a paint request; the canvas lets go
  // of it afterwards, also when `paint` throws.
  template <typename Paint>
  void PaintOn(HDC dc, Paint paint) {
    Lock();
    SetHandle(dc);
    try {
      paint();
    } catch (...) {
      SetHandle(nullptr);
      Unlock();
      throw;
    }
    SetHandle(nullptr);
    Unlock();
  }

 protected:
  void CreateHandle() override;

 private:
  TControl* FControl = nullptr;
  HDC FDeviceContext = nullptr;
  HWND FWindowHandle = nullptr;
};

// Releases the window DCs of all control canvases that are not locked.
void FreeDeviceContexts();
