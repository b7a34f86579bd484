// Unit Forms: TCustomForm, a top-level window holding controls: border and position, the
// create/show/close/destroy events, modal display, and the focus bookkeeping of its controls.
#pragma once

#include "Forms.h"
#include "TControlCanvas.h"
#include "TWinControl.h"

#include <memory>

class TBasicAction;

class TCustomForm : public TWinControl {
  TAWO_CLASS(TCustomForm, TWinControl)

 public:
  // A form without a description of its own; a descendant with one loads it by calling
  // InitInheritedComponent from its constructor.
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;
  // OnCreate; run by Application.CreateForm, or before the first showing otherwise.
  void AfterConstruction();
  // OnDestroy, then the window and the controls go.
  void BeforeDestruction() override;

  TCanvas* Canvas() const { return FCanvas.get(); }

  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle value);
  TBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons value);
  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition value) { FPosition = value; }
  TFormStyle FormStyle() const { return FFormStyle; }
  void SetFormStyle(TFormStyle value);
  TWindowState WindowState() const { return FWindowState; }
  void SetWindowState(TWindowState value);
  TFormState FormState() const { return FFormState; }
  // The MDI client window of an fsMDIForm (null otherwise).
  HWND ClientHandle() const { return FClientHandle; }

  bool Active() const { return FActive; }
  TWinControl* ActiveControl() const { return FActiveControl; }
  void SetActiveControl(TWinControl* control);
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult value) { FModalResult = value; }

  RECT ClientRect() override;
  void Show();
  // Shows the form modally and returns its ModalResult (the close box gives mrCancel).
  TModalResult ShowModal();
  // Asks OnCloseQuery, then OnClose decides: hide, free, minimise or nothing. A modal form
  // only gets mrCancel; the main form ends the application.
  void Close();
  virtual bool CloseQuery();
  // Frees the form once the messages already queued are handled.
  void Release();

  // Activates the form; its active control gets the focus.
  void SetFocus() override;
  // Focus bookkeeping used by the controls.
  void FocusControl(TWinControl* control);
  void DefocusControl(TWinControl* control, bool removing);
  // Runs the exit/enter sequence when a control's window got the focus; false when a
  // handler moved the focus meanwhile.
  bool SetFocusedControl(TWinControl* control);
  // Offers the action to the active control, the form, then every visible control.
  bool DispatchAction(TBasicAction* action);
  // Tells the active control that a press happened elsewhere (CM_CANCELMODE).
  void SendCancelMode(TControl* sender);

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TNotifyEvent OnPaint;

 protected:
  void Dispatch(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void PaintWindow(HDC dc) override;
  void Paint() override;
  void Notification(TComponent* component, TOperation operation) override;

  virtual void DoCreate();
  virtual void DoDestroy();
  virtual void DoShow();
  virtual void DoHide();
  virtual void DoClose(TCloseAction& action);
  virtual void Activate();
  virtual void Deactivate();

 private:
  void CMShowingChanged(TMessage& message);
  void CMActivate(TMessage& message);
  void CMDeactivate(TMessage& message);
  void CMRelease(TMessage& message);
  void CMDialogKey(TMessage& message);
  void WMActivate(TMessage& message);
  void WMClose(TMessage& message);
  void WMSize(TMessage& message);
  void WMGetMinMaxInfo(TMessage& message);
  void ApplyBorderStyle(TCreateParams& params) const;
  void SetActive(bool value);
  void SetWindowFocus();
  void CloseModal();
  void PlaceForShowing();
  bool SendFocusMessage(HWND window, UINT msg);

  std::unique_ptr<TControlCanvas> FCanvas;
  TFormBorderStyle FBorderStyle = TFormBorderStyle::bsSizeable;
  TBorderIcons FBorderIcons{TBorderIcon::biSystemMenu, TBorderIcon::biMinimize, TBorderIcon::biMaximize};
  TPosition FPosition = TPosition::poDesigned;
  TFormStyle FFormStyle = TFormStyle::fsNormal;
  TWindowState FWindowState = TWindowState::wsNormal;
  TFormState FFormState;
  HWND FClientHandle = nullptr;
  bool FActive = false;
  bool FCreated = false;
  TWinControl* FActiveControl = nullptr;
  TWinControl* FFocusedControl = nullptr;
  TModalResult FModalResult = mrNone;
  int FFocusCount = 0;
};
