#include "TDragSession.h"

#include "Classes.h"
#include "TCustomDockForm.h"
#include "TDragDockObject.h"
#include "TFinally.h"
#include "TScreen.h"
#include "TWinControl.h"

#include <cstdlib>

using enum TControlStateItem;
using enum TDragKind;
using enum TDragMessage;

TAWO_IMPLEMENT_CLASS(TDragSession)

namespace {

TDragSession* Current = nullptr;

// The framework control owning the window at a screen point, or its nearest framework parent.
TWinControl* WindowedControlAt(POINT pos) {
  for (HWND window = WindowFromPoint(pos); window != nullptr; window = GetParent(window)) {
    if (TWinControl* control = FindControl(window)) return control;
  }
  return nullptr;
}

}  // namespace

TControl* DragControl() { return TDragSession::Control(); }

void CancelDrag() { TDragSession::End(false); }

TControl* TDragSession::Control() { return Current != nullptr ? Current->FControl : nullptr; }

void TDragSession::Begin(TControl* control, bool immediate, int threshold) {
  if (Current != nullptr) return;
  TDragObject* dragObject = nullptr;
  if (control->DragKind() == dkDrag) {
    control->DoStartDrag(dragObject);
  } else {
    TDragDockObject* dockObject = nullptr;
    control->DoStartDock(dockObject);
    dragObject = dockObject;
  }
  const bool ownsObject = dragObject == nullptr;
  if (ownsObject) {
    dragObject = control->DragKind() == dkDrag ? new TDragControlObject(control) : new TDragDockObject(control);
  }
  try {
    Current = new TDragSession(control, dragObject, ownsObject, threshold);
  } catch (...) {
    if (ownsObject) delete dragObject;
    throw;
  }
  if (immediate) {
    Current->FActive = true;
    Current->DragTo(Current->FStartPos);
  }
}

void TDragSession::End(bool drop) {
  if (Current != nullptr) Current->Done(drop, false);
}

TDragSession::TDragSession(TControl* control, TDragObject* dragObject, bool ownsObject, int threshold)
    : FControl(control), FObject(dragObject), FOwnsObject(ownsObject), FThreshold(threshold) {
  GetCursorPos(&FStartPos);
  FObject->SetDragPos(FStartPos);
  const POINT origin = control->ClientToScreen(POINT{0, 0});
  FStartRect = RECT{origin.x, origin.y, origin.x + control->Width(), origin.y + control->Height()};
  if (TDragDockObject* dock = DockObject()) dock->SetDockRect(FStartRect);
  FCapture = AllocateHWnd(TWndMethod(this, &TDragSession::WndProc));
  SetCapture(FCapture);
}

TDragSession::~TDragSession() {
  if (FOwnsObject) delete FObject;
}

TDragDockObject* TDragSession::DockObject() const { return dynamic_cast<TDragDockObject*>(FObject); }

POINT TDragSession::ScreenPos(const TMessage& message) const {
  POINT pos = message.Pos();
  ClientToScreen(FCapture, &pos);
  return pos;
}

void TDragSession::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_MOUSEMOVE: DragTo(ScreenPos(message)); return;
    case WM_LBUTTONUP: {
      const POINT pos = ScreenPos(message);
      DragTo(pos);
      if (!FActive) FObject->SetDragPos(pos);
      Done(true, true);
      return;
    }
    case WM_RBUTTONDOWN:
    case WM_CAPTURECHANGED: Done(false, false); return;
    case CN_KEYDOWN:
      if (message.WParam == VK_ESCAPE) {
        message.Result = 1;
        Done(false, false);
      }
      return;
    default:
      message.Result = DefWindowProcA(FCapture, message.Msg, message.WParam, message.LParam);
      return;
  }
}

void TDragSession::DragTo(POINT pos) {
  if (FDone) return;
  if (!FActive) {
    if (std::abs(pos.x - FStartPos.x) < FThreshold && std::abs(pos.y - FStartPos.y) < FThreshold) return;
    FActive = true;
  }
  TControl* target = FindTarget(pos);
  if (target != FObject->DragTarget()) {
    SendDrag(dmDragLeave);
    FObject->SetDragTarget(target);
    FObject->SetDragPos(pos);
    SendDrag(dmDragEnter);
  }
  FObject->SetDragPos(pos);
  if (target != nullptr) FObject->SetDragTargetPos(target->ScreenToClient(pos));
  TDragDockObject* dock = DockObject();
  if (dock != nullptr) {
    RECT rect = FStartRect;
    OffsetRect(&rect, pos.x - FStartPos.x, pos.y - FStartPos.y);
    dock->SetDockRect(rect);
  }
  const bool accepted = SendDrag(dmDragMove);
  if (dock != nullptr) dock->SetFloating(target == nullptr || !accepted);
  ::SetCursor(Screen->Cursors(FObject->GetDragCursor(accepted, pos.x, pos.y)));
}

TControl* TDragSession::FindTarget(POINT pos) const {
  if (FControl->DragKind() == dkDock) return FindDockSite(pos);
  return FindDragTarget(pos, false);
}

// The innermost dock site under the pointer that takes the control: never the control itself
// or one inside it, nor the floating window that holds it.
TWinControl* TDragSession::FindDockSite(POINT pos) const {
  auto* windowedSource = dynamic_cast<TWinControl*>(FControl);
  for (TWinControl* site = WindowedControlAt(pos); site != nullptr; site = site->Parent()) {
    if (!site->DockSite() || (windowedSource != nullptr && windowedSource->ContainsControl(site))) continue;
    if (FControl->Floating() && site == FControl->HostDockSite()) continue;
    RECT influence{};
    bool canDock = true;
    site->GetSiteInfo(FControl, influence, pos, canDock);
    if (canDock && PtInRect(&influence, pos)) return site;
  }
  return nullptr;
}

bool TDragSession::SendDrag(TDragMessage dragMessage) {
  TControl* target = FObject->DragTarget();
  if (target == nullptr) return false;
  TDragRec drag{FObject->DragPos(), FObject, target, DockObject() != nullptr};
  return target->Perform(CM_DRAG, static_cast<WPARAM>(dragMessage), reinterpret_cast<LPARAM>(&drag)) != 0;
}

// Whether the drag ends in a drop. The target always hears that the drag left it; a docked
// control leaving its site needs the site's consent.
bool TDragSession::Accepted(bool drop) {
  if (!FActive) return false;
  TDragDockObject* dock = DockObject();
  if (dock == nullptr) return SendDrag(dmDragLeave) && drop;
  if (!dock->Floating()) SendDrag(dmDragLeave);
  if (!drop) return false;
  TWinControl* oldSite = FControl->HostDockSite();
  auto* newSite = dock->Floating() ? nullptr : static_cast<TWinControl*>(dock->DragTarget());
  const bool staysFloating = newSite == nullptr && FControl->Floating();
  if (oldSite == nullptr || oldSite == newSite || staysFloating) return true;
  return oldSite->DoUnDock(newSite, FControl);
}

void TDragSession::Drop(bool accepted) {
  TDragDockObject* dock = DockObject();
  if (dock != nullptr && dock->Floating()) {
    if (accepted) FControl->FloatInto(dock->DockRect());
    dock->SetDragTarget(nullptr);
  } else if (accepted) {
    SendDrag(dmDragDrop);
  }
}

void TDragSession::Done(bool drop, bool click) {
  if (FDone) return;
  FDone = true;
  Current = nullptr;
  const TFinally forget([&] { delete this; });
  const bool wasActive = FActive;
  const POINT targetPos = FObject->DragTarget() != nullptr ? FObject->DragTargetPos() : FObject->DragPos();
  const bool accepted = Accepted(drop);
  if (GetCapture() == FCapture) ReleaseCapture();
  DeallocateHWnd(FCapture);
  FObject->SetDropped(drop);
  Drop(accepted);
  // The press that began a threshold drag may still be a click; a real drag ends it.
  if (click && !wasActive) {
    const POINT at = FControl->ScreenToClient(FObject->DragPos());
    FControl->Perform(WM_LBUTTONUP, 0, PointToLParam(at.x, at.y));
  } else {
    FControl->FControlState.Exclude(csClicked);
    FControl->FControlState.Exclude(csLButtonDown);
  }
  FObject->Finished(accepted ? FObject->DragTarget() : nullptr, targetPos.x, targetPos.y, accepted);
}
