#include "TControl.h"

#include "TApplication.h"
#include "TControlActionLink.h"
#include "TCustomAction.h"
#include "TCustomDockForm.h"
#include "TCustomForm.h"
#include "TDragDockObject.h"
#include "TDragSession.h"
#include "TFinally.h"
#include "TMouse.h"
#include "TPopupMenu.h"
#include "TSizeConstraints.h"
#include "TWinControl.h"

#include <algorithm>
#include <cstring>

using enum TAlignment;
using enum TAnchorKind;
using enum TBiDiMode;
using enum TDragKind;
using enum TDragMessage;
using enum TDragMode;
using enum TDragState;
using enum TComponentStateItem;
using enum TControlStateItem;
using enum TControlStyleItem;
using enum TMouseButton;
using enum TOperation;
using enum TShiftStateItem;

TAWO_PUBLISHED(TControl, published) {
  published.Property("Left", &TControl::Left, &TControl::SetLeft);
  published.Property("Top", &TControl::Top, &TControl::SetTop);
  published.Property("Width", &TControl::Width, &TControl::SetWidth);
  published.Property("Height", &TControl::Height, &TControl::SetHeight);
}

TControl::TControl(TComponent* owner)
    : TComponent(owner), FFont(std::make_unique<TFont>()), FConstraints(std::make_unique<TSizeConstraints>(this)) {
  WindowProc = TWndMethod(this, &TControl::WndProc);
  FFont->OnChange = TNotifyEvent(this, &TControl::FontChanged);
  FConstraints->OnChange = TNotifyEvent(this, &TControl::ConstraintsChanged);
}

TControl::~TControl() {
  FFont->OnChange.Clear();
  FConstraints->OnChange.Clear();
}

TBasicAction* TControl::Action() const { return FActionLink != nullptr ? FActionLink->Action() : nullptr; }

void TControl::SetAction(TBasicAction* action) {
  if (action == nullptr) {
    FActionLink.reset();
    FControlStyle.Exclude(csActionClient);
    return;
  }
  if (FActionLink == nullptr) FActionLink = std::make_unique<TControlActionLink>(this);
  FActionLink->SetAction(action);
  FControlStyle.Include(csActionClient);
  ActionChange(action, ComponentState().Contains(csLoading));
}

void TControl::ActionChange(TObject* sender, bool checkDefaults) {
  auto* action = dynamic_cast<TCustomAction*>(sender);
  if (action == nullptr) return;
  if (!checkDefaults || Caption().empty() || Caption() == Name()) SetCaption(action->Caption());
  if (!checkDefaults || Enabled()) SetEnabled(action->Enabled());
  if (!checkDefaults || FHint.empty()) SetHint(action->Hint());
  if (!checkDefaults || FVisible) SetVisible(action->Visible());
  if (!checkDefaults || !OnClick.Assigned()) OnClick = action->OnExecute;
}

void TControl::BeforeDestruction() {
  inherited::BeforeDestruction();
  Application->ControlDestroyed(this);
  if (Dragging()) CancelDrag();
  if (GetCaptureControl() == this) SetCaptureControl(nullptr);
  LeaveHostDockSite();
  if (FParent != nullptr) FParent->RemoveControl(this);
}

// ---------------------------------------------------------------------------------------------
// Messages.

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  WindowProc(message);
  return message.Result;
}

void TControl::WndProc(TMessage& message) {
  if (message.Msg >= WM_MOUSEFIRST && message.Msg <= WM_MOUSELAST) {
    const bool doubleClick = message.Msg == WM_LBUTTONDBLCLK || message.Msg == WM_RBUTTONDBLCLK ||
                             message.Msg == WM_MBUTTONDBLCLK;
    if (doubleClick && !FControlStyle.Contains(csDoubleClicks)) {
      message.Msg -= WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;
    }
    if (message.Msg == WM_MOUSEMOVE) {
      Application->HintMouseMessage(this, message);
    } else if (message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK) {
      // An immediate automatic drag takes the press; a threshold drag lets it through, so a
      // press released before the pointer moves away is still a click.
      if (FDragMode == dmAutomatic && Mouse->DragImmediate()) {
        BeginDrag(true, Mouse->DragThreshold());
        return;
      }
      FControlState.Include(csLButtonDown);
    } else if (message.Msg == WM_LBUTTONUP) {
      FControlState.Exclude(csLButtonDown);
    }
  }
  // Decided before dispatching: a handler may free the control (a form closing with caFree),
  // and only a control that drags itself is touched afterwards.
  const bool thresholdDrag = FDragMode == dmAutomatic && !Mouse->DragImmediate() &&
                             (message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK);
  Dispatch(message);
  if (thresholdDrag) BeginDrag(false, Mouse->DragThreshold());
}

void TControl::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CM_FONTCHANGED: CMFontChanged(message); break;
    case CM_COLORCHANGED: CMColorChanged(message); break;
    case CM_PARENTCOLORCHANGED: CMParentColorChanged(message); break;
    case CM_PARENTFONTCHANGED: CMParentFontChanged(message); break;
    case CM_PARENTSHOWHINTCHANGED: CMParentShowHintChanged(message); break;
    case CM_VISIBLECHANGED: CMVisibleChanged(message); break;
    case CM_ENABLEDCHANGED: CMEnabledChanged(message); break;
    case CM_HITTEST: CMHitTest(message); break;
    case WM_SETTEXT: WMSetText(message); break;
    case WM_GETTEXT: WMGetText(message); break;
    case WM_GETTEXTLENGTH: WMGetTextLength(message); break;
    case WM_LBUTTONDOWN: WMLButtonDown(message); break;
    case WM_LBUTTONDBLCLK: WMLButtonDblClk(message); break;
    case WM_LBUTTONUP: WMLButtonUp(message); break;
    case WM_RBUTTONDOWN: WMRButtonDown(message); break;
    case WM_RBUTTONUP: WMRButtonUp(message); break;
    case WM_MBUTTONDOWN: WMMButtonDown(message); break;
    case WM_MBUTTONUP: WMMButtonUp(message); break;
    case WM_MOUSEMOVE: WMMouseMove(message); break;
    case WM_CONTEXTMENU: WMContextMenu(message); break;
    case WM_CANCELMODE:
    case CM_CANCELMODE: WMCancelMode(message); break;
    case CM_DRAG: CMDrag(message); break;
    case CM_BIDIMODECHANGED: CMBiDiModeChanged(message); break;
    case CM_PARENTBIDIMODECHANGED: CMParentBiDiModeChanged(message); break;
    default: DefaultHandler(message); break;
  }
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::WMSetText(TMessage& message) {
  const char* text = reinterpret_cast<const char*>(message.LParam);
  FText = text != nullptr ? AnsiString(text) : AnsiString();
  DefaultHandler(message);
}

void TControl::WMGetText(TMessage& message) {
  char* buffer = reinterpret_cast<char*>(message.LParam);
  const std::size_t size = message.WParam;
  if (buffer == nullptr || size == 0) {
    message.Result = 0;
    return;
  }
  const std::size_t count = std::min(FText.size(), size - 1);
  std::memcpy(buffer, FText.data(), count);
  buffer[count] = '\0';
  message.Result = static_cast<LRESULT>(count);
}

void TControl::WMGetTextLength(TMessage& message) { message.Result = static_cast<LRESULT>(FText.size()); }

void TControl::CMFontChanged(TMessage&) { Invalidate(); }
void TControl::CMColorChanged(TMessage&) { Invalidate(); }
void TControl::CMEnabledChanged(TMessage&) { Invalidate(); }
void TControl::CMHitTest(TMessage& message) { message.Result = HTCLIENT; }

void TControl::CMVisibleChanged(TMessage&) {
  InvalidateControl(true, FVisible && FControlStyle.Contains(csOpaque));
}

void TControl::CMParentColorChanged(TMessage& message) {
  if (!FParentColor) return;
  if (message.WParam != 0) SetColor(static_cast<TColor>(message.LParam));
  else if (FParent != nullptr) SetColor(FParent->Color());
  FParentColor = true;
}

void TControl::CMParentFontChanged(TMessage& message) {
  if (!FParentFont) return;
  if (message.WParam != 0) SetFont(reinterpret_cast<TFont*>(message.LParam));
  else if (FParent != nullptr) SetFont(FParent->Font());
  FParentFont = true;
}

void TControl::CMBiDiModeChanged(TMessage&) { Invalidate(); }

void TControl::CMParentBiDiModeChanged(TMessage&) {
  if (!FParentBiDiMode || FParent == nullptr) return;
  SetBiDiMode(FParent->BiDiMode());
  FParentBiDiMode = true;
}

void TControl::CMParentShowHintChanged(TMessage&) {
  if (!FParentShowHint || FParent == nullptr) return;
  SetShowHint(FParent->ShowHint());
  FParentShowHint = true;
}

// ---------------------------------------------------------------------------------------------
// Mouse.

void TControl::DoMouseDown(const TMessage& message, TMouseButton button, TShiftState shift) {
  if (FControlStyle.Contains(csNoStdEvents)) return;
  MouseDown(button, KeysToShiftState(message.Keys()) + shift, message.XPos(), message.YPos());
}

void TControl::DoMouseUp(const TMessage& message, TMouseButton button) {
  if (FControlStyle.Contains(csNoStdEvents)) return;
  MouseUp(button, KeysToShiftState(message.Keys()), message.XPos(), message.YPos());
}

// Tells the active control of each enclosing form that a press happened elsewhere.
static void SendCancelMode(TControl* sender) {
  for (TControl* control = sender; control != nullptr; control = control->Parent()) {
    if (auto* form = dynamic_cast<TCustomForm*>(control)) form->SendCancelMode(sender);
  }
}

void TControl::WMLButtonDown(TMessage& message) {
  SendCancelMode(this);
  DefaultHandler(message);
  if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
  if (FControlStyle.Contains(csClickEvents)) FControlState.Include(csClicked);
  DoMouseDown(message, mbLeft, {});
}

void TControl::WMLButtonDblClk(TMessage& message) {
  SendCancelMode(this);
  DefaultHandler(message);
  if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
  if (FControlStyle.Contains(csClickEvents)) DblClick();
  DoMouseDown(message, mbLeft, {ssDouble});
}

void TControl::WMLButtonUp(TMessage& message) {
  DefaultHandler(message);
  if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(false);
  if (FControlState.Contains(csClicked)) {
    FControlState.Exclude(csClicked);
    const RECT client = ClientRect();
    if (PtInRect(&client, message.Pos())) Click();
  }
  DoMouseUp(message, mbLeft);
}

void TControl::WMRButtonDown(TMessage& message) {
  DefaultHandler(message);
  DoMouseDown(message, mbRight, {});
}

void TControl::WMRButtonUp(TMessage& message) {
  DefaultHandler(message);
  DoMouseUp(message, mbRight);
}

void TControl::WMMButtonDown(TMessage& message) {
  DefaultHandler(message);
  DoMouseDown(message, mbMiddle, {});
}

void TControl::WMMButtonUp(TMessage& message) {
  DefaultHandler(message);
  DoMouseUp(message, mbMiddle);
}

void TControl::WMMouseMove(TMessage& message) {
  DefaultHandler(message);
  if (!FControlStyle.Contains(csNoStdEvents)) {
    MouseMove(KeysToShiftState(message.Keys()), message.XPos(), message.YPos());
  }
}

void TControl::WMContextMenu(TMessage& message) {
  if (message.Result != 0) return;
  TComponent* menu = GetPopupMenu();
  if (menu != nullptr) {
    POINT at{message.XPos(), message.YPos()};
    if (at.x == -1 && at.y == -1) at = ClientToScreen(POINT{0, 0});
    SendCancelMode(nullptr);
    if (TPopupMenu::PopupForControl(menu, this, at)) message.Result = 1;
  }
  if (message.Result == 0) DefaultHandler(message);
}

void TControl::WMCancelMode(TMessage& message) {
  DefaultHandler(message);
  if (MouseCapture()) SetMouseCapture(false);
  FControlState.Exclude(csClicked);
  FControlState.Exclude(csLButtonDown);
}

bool TControl::MouseCapture() { return GetCaptureControl() == this; }

void TControl::SetMouseCapture(bool value) {
  if (MouseCapture() == value) return;
  SetCaptureControl(value ? this : nullptr);
}

// A handler of the control's own runs; otherwise the linked action does.
void TControl::Click() {
  TBasicAction* action = Action();
  const bool ownHandler = OnClick.Assigned() && (action == nullptr || !(OnClick == action->OnExecute));
  if (action != nullptr && !ownHandler) FActionLink->Execute();
  else OnClick(this);
}
void TControl::DblClick() { OnDblClick(this); }

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) { OnMouseMove(this, shift, x, y); }

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  OnMouseUp(this, button, shift, x, y);
}

// ---------------------------------------------------------------------------------------------
// Parent and bounds.

void TControl::SetParent(TWinControl* parent) {
  if (FParent == parent) return;
  if (parent == this) throw EInvalidOperation(SControlParentSetToSelf);
  if (FParent != nullptr) FParent->RemoveControl(this);
  if (parent != nullptr) parent->InsertControl(this);
  UpdateAnchorRules();
}

TComponent* TControl::GetParentComponent() const { return FParent; }

void TControl::SetParentComponent(TComponent* parent) {
  if (auto* windowed = dynamic_cast<TWinControl*>(parent)) SetParent(windowed);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  ConstrainSize(width, height);
  if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
  InvalidateControl(FVisible, false);
  UpdateBoundsFields(left, top, width, height);
  Invalidate();
  RequestAlign();
  if (!ComponentState().Contains(csLoading)) Resize();
}

void TControl::UpdateBoundsFields(int left, int top, int width, int height) {
  FLeft = left;
  FTop = top;
  FWidth = width;
  FHeight = height;
  UpdateAnchorRules();
}

void TControl::SetAnchors(TAnchors value) {
  if (FAnchors == value) return;
  FAnchors = value;
  UpdateAnchorRules();
}

void TControl::Loaded() {
  inherited::Loaded();
  SetBounds(FLeft, FTop, FWidth, FHeight);
  UpdateAnchorRules();
}

void TControl::ConstrainSize(int& width, int& height) const {
  FConstraints->Apply(width, height);
  width = std::max(width, 0);
  height = std::max(height, 0);
}

void TControl::SetConstraints(TSizeConstraints* value) { FConstraints->Assign(value); }

void TControl::ConstraintsChanged(TObject*) {
  if (!ComponentState().Contains(csLoading)) SetBounds(FLeft, FTop, FWidth, FHeight);
}

void TControl::UpdateAnchorRules() {
  if (FAnchorMove || ComponentState().Contains(csLoading)) return;
  if (FAnchors == TAnchors{akLeft, akTop} || FParent == nullptr) {
    FOriginalParentSize = POINT{0, 0};
    return;
  }
  auto rule = [](bool first, bool second, int start, int size) {
    if (second) return first ? size : start;
    return start + size / 2;
  };
  FAnchorRules.x = rule(FAnchors.Contains(akLeft), FAnchors.Contains(akRight), FLeft, FWidth);
  FAnchorRules.y = rule(FAnchors.Contains(akTop), FAnchors.Contains(akBottom), FTop, FHeight);
  const RECT parentClient = FParent->ClientRect();
  FOriginalParentSize = POINT{parentClient.right, parentClient.bottom};
}

void TControl::AnchorTo(POINT parentSize) {
  if (FOriginalParentSize.x == 0 || FOriginalParentSize.y == 0) return;
  // One axis: the new start and size of a side pair from the rule kept for it.
  auto place = [](bool first, bool second, int rule, int original, int now, int& start, int& size) {
    if (now == original) return;
    if (second && first) size = rule + (now - original);
    else if (second) start = rule + (now - original);
    else if (!first) start = MulDiv(rule, now, original) - size / 2;
  };
  int left = FLeft, top = FTop, width = FWidth, height = FHeight;
  place(FAnchors.Contains(akLeft), FAnchors.Contains(akRight), FAnchorRules.x, FOriginalParentSize.x, parentSize.x,
        left, width);
  place(FAnchors.Contains(akTop), FAnchors.Contains(akBottom), FAnchorRules.y, FOriginalParentSize.y, parentSize.y,
        top, height);
  FAnchorMove = true;
  const TFinally endAnchorMove([&] { FAnchorMove = false; });
  SetBounds(left, top, width, height);
}

RECT TControl::ClientRect() { return RECT{0, 0, FWidth, FHeight}; }

void TControl::SetClientSize(int width, int height) {
  const RECT client = ClientRect();
  SetBounds(FLeft, FTop, FWidth - client.right + width, FHeight - client.bottom + height);
}

POINT TControl::ClientOrigin() {
  if (FParent == nullptr) throw EInvalidOperation(Format(SParentRequired, {Name()}));
  POINT origin = FParent->ClientOrigin();
  origin.x += FLeft;
  origin.y += FTop;
  return origin;
}

POINT TControl::ClientToScreen(POINT point) {
  const POINT origin = ClientOrigin();
  return POINT{point.x + origin.x, point.y + origin.y};
}

POINT TControl::ScreenToClient(POINT point) {
  const POINT origin = ClientOrigin();
  return POINT{point.x - origin.x, point.y - origin.y};
}

void TControl::SetAlign(TAlign value) {
  if (FAlign == value) return;
  FAlign = value;
  RequestAlign();
}

void TControl::RequestAlign() {
  if (FParent != nullptr) FParent->AlignControl(this);
}

void TControl::Resize() { OnResize(this); }

void TControl::BringToFront() { SetZOrder(true); }
void TControl::SendToBack() { SetZOrder(false); }

void TControl::SetZOrder(bool topMost) {
  if (FParent == nullptr) return;
  FParent->MoveInZOrder(this, topMost);
  InvalidateControl(FVisible, FControlStyle.Contains(csOpaque));
}

// ---------------------------------------------------------------------------------------------
// Properties.

void TControl::SetVisible(bool value) {
  if (FVisible == value) return;
  FVisible = value;
  Perform(CM_VISIBLECHANGED, value ? 1 : 0, 0);
  RequestAlign();
}

void TControl::Show() { SetVisible(true); }
void TControl::Hide() { SetVisible(false); }

bool TControl::Showing() const { return FVisible && FParent != nullptr && FParent->Showing(); }

void TControl::SetEnabled(bool value) {
  if (FEnabled == value) return;
  FEnabled = value;
  Perform(CM_ENABLEDCHANGED, 0, 0);
}

void TControl::SetColor(TColor value) {
  if (FColor == value) return;
  FColor = value;
  FParentColor = false;
  Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentColor(bool value) {
  if (FParentColor == value) return;
  FParentColor = value;
  if (FParent != nullptr && !ComponentState().Contains(csReading)) Perform(CM_PARENTCOLORCHANGED, 0, 0);
}

void TControl::FontChanged(TObject*) {
  FParentFont = false;
  Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::SetParentFont(bool value) {
  if (FParentFont == value) return;
  FParentFont = value;
  if (FParent != nullptr && !ComponentState().Contains(csReading)) Perform(CM_PARENTFONTCHANGED, 0, 0);
}

void TControl::SetText(const AnsiString& value) {
  if (GetText() == value) return;
  Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value.c_str()));
  Perform(CM_TEXTCHANGED, 0, 0);
}

void TControl::SetShowHint(bool value) {
  if (FShowHint != value) {
    FShowHint = value;
    Perform(CM_SHOWHINTCHANGED, 0, 0);
  }
  FParentShowHint = false;
}

void TControl::SetParentShowHint(bool value) {
  if (FParentShowHint == value) return;
  FParentShowHint = value;
  if (FParent != nullptr && !ComponentState().Contains(csReading)) Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
}

void TControl::SetBiDiMode(TBiDiMode value) {
  if (FBiDiMode == value) return;
  FBiDiMode = value;
  FParentBiDiMode = false;
  Perform(CM_BIDIMODECHANGED, 0, 0);
}

void TControl::SetParentBiDiMode(bool value) {
  if (FParentBiDiMode == value) return;
  FParentBiDiMode = value;
  if (FParent != nullptr && !ComponentState().Contains(csReading)) Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
}

UINT TControl::DrawTextBiDiModeFlags(UINT flags) const {
  if (UseRightToLeftAlignment()) {
    if ((flags & DT_RIGHT) != 0) flags &= ~static_cast<UINT>(DT_RIGHT);
    else if ((flags & DT_CENTER) == 0) flags |= DT_RIGHT;
  }
  return flags | DrawTextBiDiModeFlagsReadingOnly();
}

UINT TControl::DrawTextBiDiModeFlagsReadingOnly() const { return UseRightToLeftReading() ? DT_RTLREADING : 0; }

TAlignment TControl::BiDiAlignment(TAlignment alignment) const {
  if (!UseRightToLeftAlignment()) return alignment;
  switch (alignment) {
    case taLeftJustify: return taRightJustify;
    case taRightJustify: return taLeftJustify;
    default: return alignment;
  }
}

void TControl::SetCursor(TCursor value) {
  if (FCursor == value) return;
  FCursor = value;
  Perform(CM_CURSORCHANGED, 0, 0);
}

void TControl::SetPopupMenuComponent(TComponent* menu) {
  if (FPopupMenu != nullptr && FPopupMenu != menu) FPopupMenu->RemoveFreeNotification(this);
  FPopupMenu = menu;
  if (menu != nullptr) menu->FreeNotification(this);
}

bool TControl::ExecuteAction(TBasicAction*) { return false; }

// The caption follows the name while it still equals the old name (csSetCaption).
void TControl::ChangeName(const AnsiString& newName) {
  auto* ownerControl = dynamic_cast<TControl*>(Owner());
  const bool ownerLoading = ownerControl != nullptr && ownerControl->ComponentState().Contains(csLoading);
  const bool changeText = FControlStyle.Contains(csSetCaption) && !ComponentState().Contains(csLoading) &&
                          Name() == GetText() && !ownerLoading;
  inherited::ChangeName(newName);
  if (changeText) SetText(newName);
}

void TControl::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation == opRemove && component == FPopupMenu) FPopupMenu = nullptr;
}

void TControl::ReadState(TReader& reader) {
  FControlState.Include(csReadingState);
  inherited::ReadState(reader);
  FControlState.Exclude(csReadingState);
  if (FParent != nullptr) {
    Perform(CM_PARENTCOLORCHANGED, 0, 0);
    Perform(CM_PARENTFONTCHANGED, 0, 0);
    Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
    Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
  }
}

// ---------------------------------------------------------------------------------------------
// Repainting.

void TControl::InvalidateControl(bool isVisible, bool isOpaque) {
  if (!isVisible || FParent == nullptr || !FParent->HandleAllocated()) return;
  const RECT rect = BoundsRect();
  const bool erase = !(isOpaque || FParent->ControlStyle().Contains(csOpaque) ||
                       FParent->OpaqueSiblingCovers(this, rect));
  InvalidateRect(FParent->Handle(), &rect, erase ? TRUE : FALSE);
}

void TControl::Invalidate() { InvalidateControl(FVisible, FControlStyle.Contains(csOpaque)); }

void TControl::Update() {
  if (FParent != nullptr) FParent->Update();
}

void TControl::Repaint() {
  if (!FVisible || FParent == nullptr || !FParent->HandleAllocated()) return;
  if (!FControlStyle.Contains(csOpaque)) {
    Invalidate();
    Update();
    return;
  }
  HWND parentHandle = FParent->Handle();
  HDC dc = GetDC(parentHandle);
  IntersectClipRect(dc, FLeft, FTop, FLeft + FWidth, FTop + FHeight);
  const TFinally releaseDc([&] { ReleaseDC(parentHandle, dc); });
  FParent->PaintControls(dc, this);
}

// ---------------------------------------------------------------------------------------------
// Dragging and docking.

void TControl::BeginDrag(bool immediate, int threshold) {
  if (DragControl() != nullptr) return;
  TDragSession::Begin(this, immediate, threshold < 0 ? Mouse->DragThreshold() : threshold);
}

void TControl::EndDrag(bool drop) {
  if (Dragging()) TDragSession::End(drop);
}

bool TControl::Dragging() const { return DragControl() == this; }

void TControl::DoStartDrag(TDragObject*& dragObject) { OnStartDrag(this, dragObject); }
void TControl::DoStartDock(TDragDockObject*& dragObject) { OnStartDock(this, dragObject); }
void TControl::DoEndDrag(TObject* target, int x, int y) { OnEndDrag(this, target, x, y); }
void TControl::DoEndDock(TObject* target, int x, int y) { OnEndDock(this, target, x, y); }

void TControl::DragOver(TObject* source, int x, int y, TDragState state, bool& accept) {
  accept = OnDragOver.Assigned();
  if (accept) OnDragOver(this, source, x, y, state, accept);
}

void TControl::DragDrop(TObject* source, int x, int y) { OnDragDrop(this, source, x, y); }

// The drag messages of a plain drag; dock sites answer the docking ones (TWinControl).
void TControl::CMDrag(TMessage& message) {
  auto* drag = reinterpret_cast<TDragRec*>(message.LParam);
  if (drag == nullptr || drag->Docking) return;
  const POINT at = ScreenToClient(drag->Pos);
  TObject* source = drag->Source->EventSource();
  switch (static_cast<TDragMessage>(message.WParam)) {
    case dmDragEnter:
    case dmDragLeave:
    case dmDragMove: {
      bool accept = false;
      DragOver(source, at.x, at.y, static_cast<TDragState>(message.WParam), accept);
      message.Result = accept ? 1 : 0;
      break;
    }
    case dmDragDrop: DragDrop(source, at.x, at.y); break;
    default: break;
  }
}

bool TControl::Floating() const { return dynamic_cast<TCustomDockForm*>(FHostDockSite) != nullptr; }

bool TControl::ManualDock(TWinControl* newDockSite, TControl* dropControl, TAlign controlSide) {
  if (newDockSite == nullptr) {
    const POINT origin = FParent != nullptr ? ClientToScreen(POINT{0, 0}) : POINT{FLeft, FTop};
    return ManualFloat(RECT{origin.x, origin.y, origin.x + FWidth, origin.y + FHeight});
  }
  if (FHostDockSite != nullptr && FHostDockSite != newDockSite && !FHostDockSite->DoUnDock(newDockSite, this)) {
    return false;
  }
  TDragDockObject dock(this);
  const RECT place{FLeft, FTop, FLeft + FWidth, FTop + FHeight};
  dock.SetDropAlign(controlSide);
  dock.SetDropOnControl(dropControl);
  DockInto(newDockSite, place);
  if (controlSide != TAlign::alNone) SetAlign(controlSide);
  newDockSite->DoDockDrop(&dock, FLeft, FTop);
  return true;
}

bool TControl::ManualFloat(const RECT& screenPos) {
  if (FHostDockSite != nullptr && !Floating() && !FHostDockSite->DoUnDock(nullptr, this)) return false;
  FloatInto(screenPos);
  return true;
}

void TControl::FloatInto(const RECT& screenPos) {
  if (auto* host = dynamic_cast<TCustomDockForm*>(FHostDockSite)) {
    host->PlaceClientArea(screenPos);
    return;
  }
  auto* host = new TCustomDockForm(Application);
  host->PlaceClientArea(screenPos);
  DockInto(host, RECT{0, 0, screenPos.right - screenPos.left, screenPos.bottom - screenPos.top});
  host->Show();
}

void TControl::DockInto(TWinControl* site, const RECT& rect) {
  if (FHostDockSite != site) {
    LeaveHostDockSite();
    FHostDockSite = site;
    site->AddDockClient(this);
  }
  SetParent(site);
  SetBounds(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  if (!FVisible) SetVisible(true);
}

void TControl::LeaveHostDockSite() {
  TWinControl* site = FHostDockSite;
  if (site == nullptr) return;
  FHostDockSite = nullptr;
  site->RemoveDockClient(this);
}
