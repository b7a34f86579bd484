#include "TControl.h"

#include "TApplication.h"
#include "TControlActionLink.h"
#include "TCustomAction.h"
#include "TCustomForm.h"
#include "TFinally.h"
#include "TPopupMenu.h"
#include "TWinControl.h"

#include <algorithm>
#include <cstring>

using enum TAnchorKind;
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

TControl::TControl(TComponent* owner) : TComponent(owner), FFont(std::make_unique<TFont>()) {
  WindowProc = TWndMethod(this, &TControl::WndProc);
  FFont->OnChange = TNotifyEvent(this, &TControl::FontChanged);
}

TControl::~TControl() { FFont->OnChange.Clear(); }

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
  if (GetCaptureControl() == this) SetCaptureControl(nullptr);
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
      FControlState.Include(csLButtonDown);
    } else if (message.Msg == WM_LBUTTONUP) {
      FControlState.Exclude(csLButtonDown);
    }
  }
  Dispatch(message);
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
  width = std::max(width, 0);
  height = std::max(height, 0);
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
  UpdateAnchorRules();
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
