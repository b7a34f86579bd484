#include "TCustomForm.h"

#include "TApplication.h"
#include "TFinally.h"
#include "TForm.h"
#include "TScreen.h"
#include "TSizeConstraints.h"

#include <algorithm>
#include <vector>

using enum TBorderIcon;
using enum TCloseAction;
using enum TComponentStateItem;
using enum TControlStateItem;
using enum TControlStyleItem;
using enum TFormBorderStyle;
using enum TFormStateItem;
using enum TFormStyle;
using enum TOperation;
using enum TPosition;
using enum TWindowState;

TAWO_IMPLEMENT_CLASS(TCustomForm)

TCustomForm* GetParentForm(TControl* control) {
  while (control != nullptr && control->Parent() != nullptr) control = control->Parent();
  return dynamic_cast<TCustomForm*>(control);
}

TCustomForm* ValidParentForm(TControl* control) {
  TCustomForm* form = GetParentForm(control);
  if (form == nullptr) throw EInvalidOperation(Format(SParentRequired, {control != nullptr ? control->Name() : AnsiString()}));
  return form;
}

TCustomForm::TCustomForm(TComponent* owner)
    : TWinControl(owner), FCanvas(std::make_unique<TControlCanvas>()) {
  FCanvas->SetControl(this);
  FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  SetVisible(false);
  SetColor(clBtnFace);
  SetParentFont(false);
  SetBounds(0, 0, 320, 240);
  Screen->AddForm(this);
}

TCustomForm::~TCustomForm() = default;

void TCustomForm::AfterConstruction() {
  if (FCreated) return;
  FCreated = true;
  DoCreate();
}

void TCustomForm::BeforeDestruction() {
  if (!ComponentState().Contains(csDestroying)) Destroying();
  Screen->RemoveForm(this);
  if (FCreated) DoDestroy();
  inherited::BeforeDestruction();
}

// ---------------------------------------------------------------------------------------------
// Events.

void TCustomForm::DoCreate() { OnCreate(this); }
void TCustomForm::DoDestroy() { OnDestroy(this); }
void TCustomForm::DoShow() { OnShow(this); }
void TCustomForm::DoHide() { OnHide(this); }
void TCustomForm::DoClose(TCloseAction& action) { OnClose(this, action); }
void TCustomForm::Activate() { OnActivate(this); }
void TCustomForm::Deactivate() { OnDeactivate(this); }
void TCustomForm::Paint() { OnPaint(this); }

void TCustomForm::PaintWindow(HDC dc) {
  FCanvas->PaintOn(dc, [this] { Paint(); });
}

// ---------------------------------------------------------------------------------------------
// Window.

void TCustomForm::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  if (Parent() == nullptr && ParentWindow() == nullptr) {
    params.WndParent = FFormStyle == fsMDIChild && Application->MainForm() != nullptr
                           ? Application->MainForm()->ClientHandle()
                           : Application->Handle();
    params.Style &= ~static_cast<DWORD>(WS_CHILD | WS_GROUP | WS_TABSTOP);
    // An MDI child lives inside the main form's client window.
    if (FFormStyle == fsMDIChild) params.Style |= WS_CHILD;
  }
  params.WindowClass.style = CS_DBLCLKS;
  if (FPosition == poDefault || FPosition == poDefaultPosOnly) {
    params.X = CW_USEDEFAULT;
    params.Y = CW_USEDEFAULT;
  }
  if (FPosition == poDefault || FPosition == poDefaultSizeOnly) {
    params.Width = CW_USEDEFAULT;
    params.Height = CW_USEDEFAULT;
  }
  ApplyBorderStyle(params);
}

// The frame, caption and border icons that BorderStyle and BorderIcons ask for.
void TCustomForm::ApplyBorderStyle(TCreateParams& params) const {
  TFormBorderStyle style = FBorderStyle;
  if (FFormStyle == fsMDIChild && (style == bsNone || style == bsDialog)) style = bsSizeable;
  TBorderIcons icons = FBorderIcons;
  switch (style) {
    case bsNone:
      if (Parent() == nullptr && ParentWindow() == nullptr) params.Style |= WS_POPUP;
      icons = {};
      break;
    case bsSingle:
    case bsToolWindow: params.Style |= WS_CAPTION | WS_BORDER; break;
    case bsSizeable:
    case bsSizeToolWin: params.Style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog:
      params.Style |= WS_POPUP | WS_CAPTION;
      params.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      icons = icons * TBorderIcons{biSystemMenu, biHelp};
      break;
  }
  if (style == bsToolWindow || style == bsSizeToolWin) {
    params.ExStyle |= WS_EX_TOOLWINDOW;
    icons = icons * TBorderIcons{biSystemMenu};
  }
  const bool boxes = style == bsSingle || style == bsSizeable || style == bsNone;
  if (boxes && (FFormStyle != fsMDIChild || icons.Contains(biSystemMenu))) {
    if (icons.Contains(biMinimize)) params.Style |= WS_MINIMIZEBOX;
    if (icons.Contains(biMaximize)) params.Style |= WS_MAXIMIZEBOX;
  }
  if (icons.Contains(biSystemMenu)) params.Style |= WS_SYSMENU;
  if (icons.Contains(biHelp) && (style == bsDialog || !(icons.Contains(biMinimize) || icons.Contains(biMaximize)))) {
    params.ExStyle |= WS_EX_CONTEXTHELP;
  }
  if (FFormStyle == fsMDIChild) params.ExStyle |= WS_EX_MDICHILD;
  if (FFormStyle == fsStayOnTop) params.ExStyle |= WS_EX_TOPMOST;
}

void TCustomForm::CreateWnd() {
  inherited::CreateWnd();
  if (FFormStyle != fsMDIForm) return;
  CLIENTCREATESTRUCT client{};
  client.idFirstChild = 0xFF00;
  const RECT area = ClientRect();
  FClientHandle = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                                  WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0,
                                  area.right, area.bottom, Handle(), nullptr, GetModuleHandleA(nullptr),
                                  &client);
  if (FClientHandle == nullptr) throw EOutOfResources(SWindowCreate);
}

void TCustomForm::DestroyWnd() {
  FClientHandle = nullptr;
  inherited::DestroyWnd();
}

void TCustomForm::DefaultHandler(TMessage& message) {
  if (!HandleAllocated()) {
    inherited::DefaultHandler(message);
    return;
  }
  if (FClientHandle != nullptr) {
    message.Result = DefFrameProcA(Handle(), FClientHandle, message.Msg, message.WParam, message.LParam);
  } else if (FFormStyle == fsMDIChild) {
    message.Result = DefMDIChildProcA(Handle(), message.Msg, message.WParam, message.LParam);
  } else {
    inherited::DefaultHandler(message);
  }
}

void TCustomForm::SetBorderStyle(TFormBorderStyle value) {
  if (FBorderStyle == value) return;
  FBorderStyle = value;
  RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons value) {
  if (FBorderIcons == value) return;
  FBorderIcons = value;
  RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle value) {
  if (FFormStyle == value) return;
  FFormStyle = value;
  RecreateWnd();
}

void TCustomForm::SetWindowState(TWindowState value) {
  if (FWindowState == value) return;
  FWindowState = value;
  if (!HandleAllocated() || !Showing()) return;
  static constexpr int kShowCommands[] = {SW_SHOWNORMAL, SW_SHOWMINNOACTIVE, SW_SHOWMAXIMIZED};
  ShowWindow(Handle(), kShowCommands[static_cast<size_t>(value)]);
}

// Without a window, the client area is the bounds less the frame the styles give.
RECT TCustomForm::ClientRect() {
  if (HandleAllocated()) return inherited::ClientRect();
  TCreateParams params;
  params.Style = WS_CLIPSIBLINGS;
  ApplyBorderStyle(params);
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, params.Style, FALSE, params.ExStyle);
  const int frameWidth = frame.right - frame.left;
  const int frameHeight = frame.bottom - frame.top;
  return RECT{0, 0, std::max(Width() - frameWidth, 0), std::max(Height() - frameHeight, 0)};
}

// ---------------------------------------------------------------------------------------------
// Messages.

void TCustomForm::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT: {
      FControlState.Include(csCustomPaint);
      const TFinally endCustomPaint([&] { FControlState.Exclude(csCustomPaint); });
      inherited::Dispatch(message);
      return;
    }
    case WM_ACTIVATE: WMActivate(message); return;
    case WM_CLOSE: WMClose(message); return;
    case WM_SIZE: WMSize(message); return;
    case WM_GETMINMAXINFO: WMGetMinMaxInfo(message); return;
    case CM_SHOWINGCHANGED: CMShowingChanged(message); return;
    case CM_ACTIVATE: CMActivate(message); return;
    case CM_DEACTIVATE: CMDeactivate(message); return;
    case CM_RELEASE: CMRelease(message); return;
    case CM_DIALOGKEY: CMDialogKey(message); return;
    default: inherited::Dispatch(message); return;
  }
}

void TCustomForm::WMClose(TMessage&) { Close(); }

// The window's own minimising and maximising show in WindowState.
// The window manager's sizing keeps to the constraints.
void TCustomForm::WMGetMinMaxInfo(TMessage& message) {
  inherited::Dispatch(message);
  auto* info = reinterpret_cast<MINMAXINFO*>(message.LParam);
  if (info == nullptr) return;
  const TSizeConstraints* limits = Constraints();
  if (limits->MinWidth() > 0) info->ptMinTrackSize.x = limits->MinWidth();
  if (limits->MinHeight() > 0) info->ptMinTrackSize.y = limits->MinHeight();
  if (limits->MaxWidth() > 0) info->ptMaxTrackSize.x = limits->MaxWidth();
  if (limits->MaxHeight() > 0) info->ptMaxTrackSize.y = limits->MaxHeight();
}

void TCustomForm::WMSize(TMessage& message) {
  if (message.WParam == SIZE_MINIMIZED) FWindowState = wsMinimized;
  else if (message.WParam == SIZE_MAXIMIZED) FWindowState = wsMaximized;
  else if (message.WParam == SIZE_RESTORED) FWindowState = wsNormal;
  inherited::Dispatch(message);
}

void TCustomForm::WMActivate(TMessage& message) {
  if (FFormStyle != fsMDIForm) SetActive(LOWORD(message.WParam) != WA_INACTIVE);
}

void TCustomForm::SetActive(bool value) {
  FActive = value;
  if (!value) return;
  if (FActiveControl == nullptr) FActiveControl = FindNextControl(nullptr, true, true, false);
  SetWindowFocus();
}

void TCustomForm::SetWindowFocus() {
  HWND target = FActiveControl != nullptr ? FActiveControl->Handle() : Handle();
  ::SetFocus(target);
}

void TCustomForm::CMActivate(TMessage&) { Activate(); }
void TCustomForm::CMDeactivate(TMessage&) { Deactivate(); }

void TCustomForm::CMRelease(TMessage&) { delete this; }

void TCustomForm::CMDialogKey(TMessage& message) {
  if (GetKeyState(VK_MENU) >= 0) {
    const WPARAM key = message.WParam;
    if (key == VK_TAB && GetKeyState(VK_CONTROL) >= 0) {
      SelectNext(FActiveControl, GetKeyState(VK_SHIFT) >= 0, true);
      message.Result = 1;
      return;
    }
    if (key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN) {
      if (FActiveControl != nullptr && FActiveControl->Parent() != nullptr) {
        FActiveControl->Parent()->SelectNext(FActiveControl, key == VK_RIGHT || key == VK_DOWN, false);
        message.Result = 1;
      }
      return;
    }
  }
  inherited::Dispatch(message);
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == FActiveControl) FActiveControl = nullptr;
  if (component == FFocusedControl) FFocusedControl = nullptr;
}

// ---------------------------------------------------------------------------------------------
// Showing and closing.

void TCustomForm::Show() {
  AfterConstruction();
  SetVisible(true);
  BringToFront();
  if (HandleAllocated()) SetForegroundWindow(Handle());
}

void TCustomForm::PlaceForShowing() {
  TCustomForm* centre = nullptr;
  switch (FPosition) {
    case poScreenCenter:
    case poDesktopCenter: break;
    case poMainFormCenter: centre = Application->MainForm(); break;
    case poOwnerFormCenter:
      centre = dynamic_cast<TCustomForm*>(Owner());
      if (centre == nullptr) centre = Application->MainForm();
      break;
    default: return;
  }
  if (centre == this) centre = nullptr;
  int x = (Screen->Width() - Width()) / 2;
  int y = (Screen->Height() - Height()) / 2;
  if (centre != nullptr) {
    x = (centre->Width() - Width()) / 2 + centre->Left();
    y = (centre->Height() - Height()) / 2 + centre->Top();
  }
  SetBounds(std::max(x, 0), std::max(y, 0), Width(), Height());
}

void TCustomForm::CMShowingChanged(TMessage&) {
  if (FFormState.Contains(fsShowing)) throw EInvalidOperation(SVisibleChanged);
  FFormState.Include(fsShowing);
  const TFinally endShowing([&] { FFormState.Exclude(fsShowing); });
  if (Showing()) {
    try {
      DoShow();
    } catch (...) {
      Application->HandleException(this);
    }
    PlaceForShowing();
    static constexpr int kShowCommands[] = {SW_SHOWNORMAL, SW_SHOWMINNOACTIVE, SW_SHOWMAXIMIZED};
    ShowWindow(Handle(), kShowCommands[static_cast<size_t>(FWindowState)]);
  } else {
    try {
      DoHide();
    } catch (...) {
      Application->HandleException(this);
    }
    if (FFormState.Contains(fsModal)) {
      SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
      ShowWindow(Handle(), SW_HIDE);
    }
  }
}

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  OnCloseQuery(this, canClose);
  return canClose;
}

void TCustomForm::Close() {
  if (FFormState.Contains(fsModal)) {
    FModalResult = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = caHide;
  if (FFormStyle == fsMDIChild) action = FBorderIcons.Contains(biMinimize) ? caMinimize : caNone;
  DoClose(action);
  if (action == caNone) return;
  if (Application->MainForm() == this) Application->Terminate();
  else if (action == caHide) Hide();
  else if (action == caMinimize) SetWindowState(wsMinimized);
  else Release();
}

void TCustomForm::Release() {
  if (HandleAllocated()) PostMessageA(Handle(), CM_RELEASE, 0, 0);
}

void TCustomForm::CloseModal() {
  try {
    TCloseAction action = caNone;
    if (CloseQuery()) {
      action = caHide;
      DoClose(action);
    }
    if (action == caNone) FModalResult = mrNone;
    else if (action == caFree) Release();
  } catch (...) {
    FModalResult = mrNone;
    Application->HandleException(this);
  }
}

TModalResult TCustomForm::ShowModal() {
  if (Visible() || !Enabled() || FFormState.Contains(fsModal) || FFormStyle == fsMDIChild) {
    throw EInvalidOperation(SCannotShowModal);
  }
  if (HWND captured = GetCapture()) SendMessageA(captured, WM_CANCELMODE, 0, 0);
  ReleaseCapture();
  FFormState.Include(fsModal);
  HWND activeWindow = GetActiveWindow();
  const TCursor savedCursor = Screen->Cursor();
  Screen->SetCursor(crDefault);
  const std::vector<HWND> disabled = Application->DisableTaskWindows(this);
  TModalResult result = mrNone;
  try {
    Show();
    try {
      SendMessageA(Handle(), CM_ACTIVATE, 0, 0);
      FModalResult = mrNone;
      do {
        Application->HandleMessage();
        if (Application->Terminated()) FModalResult = mrCancel;
        else if (FModalResult != mrNone) CloseModal();
      } while (FModalResult == mrNone);
      result = FModalResult;
      SendMessageA(Handle(), CM_DEACTIVATE, 0, 0);
      if (GetActiveWindow() != Handle()) activeWindow = nullptr;
    } catch (...) {
      Hide();
      throw;
    }
    Hide();
  } catch (...) {
    Screen->SetCursor(savedCursor);
    Application->EnableTaskWindows(disabled);
    FFormState.Exclude(fsModal);
    throw;
  }
  Screen->SetCursor(savedCursor);
  Application->EnableTaskWindows(disabled);
  if (activeWindow != nullptr) SetActiveWindow(activeWindow);
  FFormState.Exclude(fsModal);
  return result;
}

// ---------------------------------------------------------------------------------------------
// Focus.

void TCustomForm::SetActiveControl(TWinControl* control) {
  if (FActiveControl == control) return;
  const bool loading = ComponentState().Contains(csLoading);
  if (control != nullptr && (control == this || GetParentForm(control) != this || !(loading || control->CanFocus()))) {
    throw EInvalidOperation(SCannotFocus);
  }
  FActiveControl = control;
  if (control != nullptr) control->FreeNotification(this);
  if (!loading && FActive) SetWindowFocus();
}

void TCustomForm::SetFocus() {
  if (FActive) return;
  if (!Visible() || !Enabled()) throw EInvalidOperation(SCannotFocus);
  SetWindowFocus();
}

void TCustomForm::FocusControl(TWinControl* control) {
  const bool wasActive = FActive;
  SetActiveControl(control);
  if (!wasActive) SetFocus();
}

void TCustomForm::DefocusControl(TWinControl* control, bool removing) {
  if (removing && control->ContainsControl(FFocusedControl)) FFocusedControl = control->Parent();
  if (control->ContainsControl(FActiveControl)) {
    FActiveControl = nullptr;
    if (removing) return;
    TWinControl* parent = control->Parent();
    if (parent != nullptr && parent != this && parent->CanFocus()) FActiveControl = parent;
  }
}

void TCustomForm::SendCancelMode(TControl* sender) {
  if (FActive && FActiveControl != nullptr) {
    FActiveControl->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(sender));
  }
}

bool TCustomForm::SendFocusMessage(HWND window, UINT msg) {
  const int count = FFocusCount;
  SendMessageA(window, msg, 0, 0);
  return FFocusCount == count;
}

bool TCustomForm::SetFocusedControl(TWinControl* control) {
  // A form being destroyed has left the screen's list and must not come back to it.
  if (ComponentState().Contains(csDestroying)) return false;
  ++FFocusCount;
  FActiveControl = control != this ? control : nullptr;
  Screen->FocusChanged(this, control);
  if (control->ControlState().Contains(csFocusing)) return false;
  control->SetControlState(control->ControlState() + TControlState{csFocusing});
  struct FocusingGuard {
    TWinControl* Control;
    ~FocusingGuard() { Control->SetControlState(Control->ControlState() - TControlState{csFocusing}); }
  } guard{control};
  if (Screen->FocusedForm() != this) {
    if (TCustomForm* previous = Screen->FocusedForm()) {
      Screen->SetFocusedForm(nullptr);
      if (!SendFocusMessage(previous->Handle(), CM_DEACTIVATE)) return false;
    }
    Screen->SetFocusedForm(this);
    if (!SendFocusMessage(Handle(), CM_ACTIVATE)) return false;
  }
  if (FFocusedControl == nullptr) FFocusedControl = this;
  if (FFocusedControl == control) return true;
  while (FFocusedControl != nullptr && !FFocusedControl->ContainsControl(control)) {
    HWND leaving = FFocusedControl->Handle();
    FFocusedControl = FFocusedControl->Parent();
    if (!SendFocusMessage(leaving, CM_EXIT)) return false;
  }
  while (FFocusedControl != control) {
    TWinControl* entering = control;
    while (entering->Parent() != FFocusedControl) entering = entering->Parent();
    FFocusedControl = entering;
    if (!SendFocusMessage(entering->Handle(), CM_ENTER)) return false;
  }
  Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
  return true;
}

static bool TraverseClients(TWinControl* container, TBasicAction* action) {
  if (!container->Showing()) return false;
  for (int i = 0; i < container->ControlCount(); ++i) {
    TControl* control = container->Controls(i);
    if (control->Visible() && control->ExecuteAction(action)) return true;
    if (auto* windowed = dynamic_cast<TWinControl*>(control); windowed != nullptr && TraverseClients(windowed, action)) {
      return true;
    }
  }
  return false;
}

bool TCustomForm::DispatchAction(TBasicAction* action) {
  if (FActiveControl != nullptr && FActiveControl->ExecuteAction(action)) return true;
  return ExecuteAction(action) || TraverseClients(this, action);
}
