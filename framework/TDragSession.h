// Unit Controls: TDragSession, the drag under way (at most one): a hidden window holds the
// mouse, follows the pointer from target to target with CM_DRAG enter/move/leave messages,
// shows the drag object's cursor, and ends with a drop (left button released), or without
// one (Esc, the right button, losing the capture, CancelDrag).
#pragma once

#include "Controls.h"
#include "Messages.h"

class TDragObject;
class TDragDockObject;

class TDragSession : public TObject {
  TAWO_CLASS(TDragSession, TObject)

 public:
  // Asks the control's OnStartDrag (OnStartDock) for a drag object, then takes the mouse.
  // Immediate drags begin at once, others once the pointer moved `threshold` pixels.
  static void Begin(TControl* control, bool immediate, int threshold);
  static void End(bool drop);
  static TControl* Control();

  TDragSession(const TDragSession&) = delete;
  TDragSession& operator=(const TDragSession&) = delete;

 private:
  TDragSession(TControl* control, TDragObject* dragObject, bool ownsObject, int threshold);
  ~TDragSession() override;

  void WndProc(TMessage& message);
  POINT ScreenPos(const TMessage& message) const;
  void DragTo(POINT pos);
  // Ends the drag; `click` hands the release of a drag that never began to the control.
  void Done(bool drop, bool click);
  bool Accepted(bool drop);
  void Drop(bool accepted);
  TControl* FindTarget(POINT pos) const;
  TWinControl* FindDockSite(POINT pos) const;
  // Sends CM_DRAG to the current target; true when it accepts.
  bool SendDrag(TDragMessage dragMessage);
  TDragDockObject* DockObject() const;

  TControl* FControl;
  TDragObject* FObject;
  bool FOwnsObject;
  int FThreshold;
  HWND FCapture = nullptr;
  POINT FStartPos{};
  RECT FStartRect{};  // the control on the screen when the drag began
  bool FActive = false;
  bool FDone = false;
};
