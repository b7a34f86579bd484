#include "TButton.h"
#include "PublishedGroups.h"

#include "Forms.h"
#include "StdCtrls.h"
#include "TCustomForm.h"

using enum TControlStyleItem;

TAWO_PUBLISHED(TButton, published) {
  published.Property("Cancel", &TButton::Cancel, &TButton::SetCancel).Default(false);
  published.Property("Caption", &TButton::Caption, &TButton::SetCaption);
  published.Property("Default", &TButton::Default, &TButton::SetDefault).Default(false);
  published.Property("Enabled", &TButton::Enabled, &TButton::SetEnabled).Default(true);
  published.Property("Font", &TButton::Font, &TButton::SetFont).Stored(&TButton::IsFontStored);
  published.Property("Hint", &TButton::Hint, &TButton::SetHint);
  published.Property("ModalResult", &TButton::ModalResult, &TButton::SetModalResult).Default(mrNone);
  published.Property("ParentFont", &TButton::ParentFont, &TButton::SetParentFont).Default(true);
  published.Property("ParentShowHint", &TButton::ParentShowHint, &TButton::SetParentShowHint).Default(true);
  published.Property("PopupMenu", &TButton::PopupMenuComponent, &TButton::SetPopupMenuComponent);
  published.Property("ShowHint", &TButton::ShowHint, &TButton::SetShowHint).Default(false);
  published.Property("TabOrder", &TButton::TabOrder, &TButton::SetTabOrder).Default(-1);
  published.Property("TabStop", &TButton::TabStop, &TButton::SetTabStop).Default(true);
  published.Property("Visible", &TButton::Visible, &TButton::SetVisible).Default(true);
  published.Property("OnClick", &TButton::OnClick);
  published.Property("OnEnter", &TButton::OnEnter);
  published.Property("OnExit", &TButton::OnExit);
  published.Property("OnMouseDown", &TButton::OnMouseDown);
  published.Property("OnMouseMove", &TButton::OnMouseMove);
  published.Property("OnMouseUp", &TButton::OnMouseUp);
  PublishDragging(published);
  PublishLayout(published);
}

namespace {

bool NoModifiers(LPARAM keyData) {
  // The Alt state travels in bit 29 of the key data; Shift and Ctrl are asked directly.
  return (keyData & (1 << 29)) == 0 && GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_CONTROL) >= 0;
}

}  // namespace

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  FControlStyle = TControlStyle{csSetCaption, csDoubleClicks};
  SetBounds(Left(), Top(), 75, 25);
  SetTabStop(true);
}

void TButton::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  CreateSubClass(params, "BUTTON");
  params.Style |= FDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::CreateWnd() {
  inherited::CreateWnd();
  FActive = FDefault;
}

void TButton::SetDefault(bool value) {
  if (value == FDefault) return;
  FDefault = value;
  if (!HandleAllocated()) return;
  if (TCustomForm* form = GetParentForm(this)) {
    form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(form->ActiveControl()));
  }
}

void TButton::SetButtonStyle(bool isDefault) {
  if (!HandleAllocated()) return;
  const LONG style = isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  if ((GetWindowLongA(Handle(), GWL_STYLE) & BS_TYPEMASK) != style) SendMessageA(Handle(), BM_SETSTYLE, style, TRUE);
}

void TButton::Click() {
  if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
  inherited::Click();
}

void TButton::CNCommand(TMessage& message) {
  if (HIWORD(message.WParam) == BN_CLICKED) Click();
}

void TButton::CMDialogKey(TMessage& message) {
  const bool enter = message.WParam == VK_RETURN && FActive;
  const bool escape = message.WParam == VK_ESCAPE && FCancel;
  if ((enter || escape) && NoModifiers(message.LParam) && CanFocus()) {
    Click();
    message.Result = 1;
  } else {
    inherited::Dispatch(message);
  }
}

void TButton::CMDialogChar(TMessage& message) {
  if (IsAccel(message.WParam, Caption()) && CanFocus()) {
    Click();
    message.Result = 1;
  } else {
    inherited::Dispatch(message);
  }
}

void TButton::CMFocusChanged(TMessage& message) {
  auto* focused = reinterpret_cast<TWinControl*>(message.LParam);
  if (dynamic_cast<TButton*>(focused) != nullptr) FActive = focused == this;
  else FActive = FDefault;
  SetButtonStyle(FActive);
  inherited::Dispatch(message);
}

void TButton::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND: CNCommand(message); break;
    case CM_DIALOGKEY: CMDialogKey(message); break;
    case CM_DIALOGCHAR: CMDialogChar(message); break;
    case CM_FOCUSCHANGED: CMFocusChanged(message); break;
    default: inherited::Dispatch(message); break;
  }
}
