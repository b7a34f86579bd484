// Unit StdCtrls: TButton, a push button on the system BUTTON class. Its click sets the form's
// ModalResult; Enter clicks the active default button and Esc the cancel button.
#pragma once

#include "TWinControl.h"

class TButton : public TWinControl {
  TAWO_CLASS(TButton, TWinControl)

 public:
  // 75 x 25, a tab stop.
  explicit TButton(TComponent* owner);

  // Enter clicks it while no other button has the focus.
  bool Default() const { return FDefault; }
  void SetDefault(bool value);
  // Esc clicks it.
  bool Cancel() const { return FCancel; }
  void SetCancel(bool value) { FCancel = value; }
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult value) { FModalResult = value; }
  // Whether it is the button Enter clicks now: the focused button, or the default one while
  // the focus is elsewhere.
  bool Active() const { return FActive; }

  // Sets the form's ModalResult to the button's, then runs OnClick.
  void Click() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  // Shows the button as the default one, or not; a plain button switches its window style.
  virtual void SetButtonStyle(bool isDefault);
  void Dispatch(TMessage& message) override;

 private:
  void CNCommand(TMessage& message);
  void CMDialogKey(TMessage& message);
  void CMDialogChar(TMessage& message);
  void CMFocusChanged(TMessage& message);

  bool FDefault = false;
  bool FCancel = false;
  bool FActive = false;
  TModalResult FModalResult = mrNone;
};
