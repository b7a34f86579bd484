#include "LMDBaseGraphicButton.h"

#include "LMDButtonLayout.h"
#include "LMDDropDownMenu.h"
#include "LMDFXCaption.h"
#include "LMDGlyph.h"

#include <LMDCustomControl.h>
#include <LMDCustomImageList.h>

#include <ActnList.h>
#include <PublishedGroups.h>
#include <Forms.h>
#include <StdCtrls.h>
#include <TApplication.h>
#include <TCustomForm.h>
#include <TFinally.h>
#include <TPopupMenu.h>
#include <TWinControl.h>

using enum TComponentStateItem;
using enum TControlStyleItem;
using enum TFormStyle;
using enum TLMDButtonState;
using enum TLMDDrawTextStyle;
using enum TLMDGlyphStyle;
using enum TMouseButton;
using enum TOperation;

TAWO_PUBLISHED(TLMDBaseGraphicButton, published) {
  using T = TLMDBaseGraphicButton;
  published.Property("About", &T::About, &T::SetAbout).Stored(false);
  published.Property("ButtonLayout", &T::ButtonLayout, &T::SetButtonLayout);
  published.Property("Caption", &T::Caption, &T::SetCaption);
  published.Property("Color", &T::Color, &T::SetColor).Type(TColorTypeInfo()).Default(clBtnFace).Stored(&T::IsColorStored);
  published.Property("Enabled", &T::Enabled, &T::SetEnabled).Default(true);
  published.Property("EnterColor", &T::EnterColor, &T::SetEnterColor).Type(TColorTypeInfo()).Default(clCaptionText);
  published.Property("EnterColorChange", &T::EnterColorChange, &T::SetEnterColorChange).Default(false);
  published.Property("Font", &T::Font, &T::SetFont).Stored(&T::IsFontStored);
  published.Property("FontFX", &T::FontFX, &T::SetFontFX);
  published.Property("Glyph", &T::Glyph, &T::SetGlyph).Stored(&T::GlyphStored);
  published.Property("HideHint", &T::HideHint, &T::SetHideHint).Default(true);
  published.Property("ImageIndex", &T::GetIndex, &T::SetIndex, 0).Default(0);
  published.Property("ImageList", &T::ImageList, &T::SetImageList);
  published.Property("ListIndex", &T::GetIndex, &T::SetIndex, 1).Default(0);
  published.Property("MultiLine", &T::MultiLine, &T::SetMultiLine).Default(false);
  published.Property("NumGlyphs", &T::NumGlyphs, &T::SetNumGlyphs).Default(1);
  published.Property("ParentColor", &T::ParentColor, &T::SetParentColor).Default(false);
  published.Property("ParentFont", &T::ParentFont, &T::SetParentFont).Default(true);
  published.Property("ParentShowHint", &T::ParentShowHint, &T::SetParentShowHint).Default(true);
  published.Property("RepeatedClick", &T::RepeatedClick, &T::SetRepeatedClick).Default(false);
  published.Property("RepeatingDelay", &T::RepeatingDelay, &T::SetRepeatingDelay).Default(500);
  published.Property("RepeatingInterval", &T::RepeatingInterval, &T::SetRepeatingInterval).Default(100);
  published.Property("ShowHint", &T::ShowHint, &T::SetShowHint).Default(false);
  published.Property("UseCaption", &T::UseCaption, &T::SetUseCaption).Default(true);
  published.Property("Visible", &T::Visible, &T::SetVisible).Default(true);
  published.Property("OnClick", &T::OnClick);
  published.Property("OnDblClick", &T::OnDblClick);
  published.Property("OnDropDown", &T::OnDropDown);
  published.Property("OnMouseDown", &T::OnMouseDown);
  published.Property("OnMouseEnter", &T::OnMouseEnter);
  published.Property("OnMouseExit", &T::OnMouseExit);
  published.Property("OnMouseMove", &T::OnMouseMove);
  published.Property("OnMouseUp", &T::OnMouseUp);
  published.Property("PopupMenu", &T::PopupMenuComponent, &T::SetPopupMenuComponent);
  PublishDragging(published);
  PublishLayout(published);
}

namespace {

constexpr uint16_t kHoverInterval = 100;

bool IsDisabled(TLMDButtonState state) { return state == bsDisabledUp || state == bsDisabledDown; }

bool IsHotOrPressed(TLMDButtonState state) { return state >= bsMouseOver && state <= bsDropDownOpen; }

template <typename T>
bool StoreChanged(T& field, T value) {
  if (field == value) return false;
  field = value;
  return true;
}

bool IsPair(TLMDButtonState a, TLMDButtonState b, TLMDButtonState x, TLMDButtonState y) {
  return (a == x && b == y) || (a == y && b == x);
}

}  // namespace

TLMDBaseGraphicButton::TLMDBaseGraphicButton(TComponent* owner)
    : TLMDBaseControl(owner),
      FButtonLayout(std::make_unique<TLMDButtonLayout>()),
      FFontFX(std::make_unique<TLMDFxCaption>()),
      FGlyph(std::make_unique<TLMDGlyph>()) {
  SetControlStyle(TControlStyle{csCaptureMouse, csOpaque, csDoubleClicks});
  SetBounds(Left(), Top(), 25, 25);
  SetColor(clBtnFace);
  const TNotifyEvent changed(this, &TLMDBaseGraphicButton::GetChange);
  FGlyph->OnChange = changed;
  FButtonLayout->OnChange = changed;
  FFontFX->OnChange = TNotifyEvent(this, &TLMDBaseGraphicButton::FontChange);
}

TLMDBaseGraphicButton::~TLMDBaseGraphicButton() {
  FHoverTimer.Stop();
  FRepeatTimer.Stop();
  FGlyph->OnChange = nullptr;
  FButtonLayout->OnChange = nullptr;
  FFontFX->OnChange = nullptr;
}

// ---------------------------------------------------------------------------------------------
// Properties.

void TLMDBaseGraphicButton::SetButtonLayout(TLMDButtonLayout* value) { FButtonLayout->Assign(value); }

void TLMDBaseGraphicButton::SetFontFX(TLMDFxCaption* value) { FFontFX->Assign(value); }

TBitmap* TLMDBaseGraphicButton::Glyph() const { return FGlyph->Glyph(); }

void TLMDBaseGraphicButton::SetGlyph(TBitmap* value) {
  if (!IsLoading() && ImageList() != nullptr) SetImageList(nullptr);
  FGlyph->SetGlyph(value);
}

uint8_t TLMDBaseGraphicButton::NumGlyphs() const { return FGlyph->NumGlyphs(); }

void TLMDBaseGraphicButton::SetNumGlyphs(uint8_t value) {
  if (value == FGlyph->NumGlyphs()) return;
  FGlyph->SetNumGlyphs(value);
  RepaintButton();
}

void TLMDBaseGraphicButton::SetDropDownCombo(bool value) {
  if (value == FDropDownCombo) return;
  if (!IsLoading()) SetWidth(Width() + (value ? FDropDownComboWidth : -FDropDownComboWidth));
  FDropDownCombo = value;
  GetChange(nullptr);
}

void TLMDBaseGraphicButton::SetDropDownComboWidth(int32_t value) {
  if (value == FDropDownComboWidth) return;
  if (!IsLoading() && FDropDownCombo) SetWidth(Width() + value - FDropDownComboWidth);
  FDropDownComboWidth = value;
  GetChange(nullptr);
}

void TLMDBaseGraphicButton::SetDropDownMenu(TPopupMenu* value) {
  if (value == FDropDownMenu) return;
  if (FDropDownMenu != nullptr) FDropDownMenu->RemoveFreeNotification(this);
  FDropDownMenu = value;
  if (value != nullptr) value->FreeNotification(this);
  if (FDropDownCombo) GetChange(nullptr);
}

void TLMDBaseGraphicButton::SetDropDownIndent(int32_t value) {
  if (StoreChanged(FDropDownIndent, value)) GetChange(nullptr);
}

void TLMDBaseGraphicButton::SetDropDownRight(bool value) {
  if (StoreChanged(FDropDownRight, value)) GetChange(nullptr);
}

void TLMDBaseGraphicButton::SetEnterColor(TColor value) {
  if (StoreChanged(FEnterColor, value)) GetChange(nullptr);
}

void TLMDBaseGraphicButton::SetEnterColorChange(bool value) {
  if (StoreChanged(FEnterColorChange, value)) GetChange(nullptr);
}

void TLMDBaseGraphicButton::SetMultiLine(bool value) {
  if (StoreChanged(FMultiLine, value)) GetChange(nullptr);
}

void TLMDBaseGraphicButton::SetUseCaption(bool value) {
  if (StoreChanged(FUseCaption, value)) GetChange(nullptr);
}

void TLMDBaseGraphicButton::SetGroupIndex(int32_t value) {
  FGroupIndex = value;
  AnnounceGroup();
}

void TLMDBaseGraphicButton::SetAllowAllUp(bool value) {
  FAllowAllUp = value;
  AnnounceGroup();
}

void TLMDBaseGraphicButton::SetPressed(bool value) {
  if (FGroupIndex == 0) value = false;
  if (value == FPressed || (FPressed && !FAllowAllUp)) return;
  FPressed = value;
  FState = value ? bsOptionSet : bsUp;
  RepaintButton();
  if (value) AnnounceGroup();
}

void TLMDBaseGraphicButton::SetTransparent(bool value) {
  if (value == FTransparent) return;
  FTransparent = value;
  SetOpaque(!value);
  Invalidate();
}

void TLMDBaseGraphicButton::SetPressedShift(bool value, uint8_t amount) {
  FPressedShift = value;
  FShiftAmount = amount;
}

AnsiString TLMDBaseGraphicButton::GetCaption() const { return FUseCaption ? Caption() : AnsiString(); }

HPALETTE TLMDBaseGraphicButton::GetPalette() { return FGlyph->Glyph()->Palette(); }

bool TLMDBaseGraphicButton::VerifyTransparency(int x, int y) {
  return x >= 0 && x <= Width() && y >= 0 && y <= Height();
}

RECT TLMDBaseGraphicButton::ComboRect() {
  RECT rect = ClientRect();
  rect.left = rect.right - FDropDownComboWidth;
  return rect;
}

bool TLMDBaseGraphicButton::CheckOptimized() { return FTransparent && ParentKeepsBackground(); }

// ---------------------------------------------------------------------------------------------
// Groups.

void TLMDBaseGraphicButton::AnnounceGroup() {
  if (FGroupIndex == 0 || Parent() == nullptr) return;
  TMessage message{CM_BUTTONPRESSED, static_cast<WPARAM>(FGroupIndex), reinterpret_cast<LPARAM>(this), 0};
  Parent()->Broadcast(message);
}

void TLMDBaseGraphicButton::CMButtonPressed(TMessage& message) {
  auto* sender = dynamic_cast<TLMDBaseGraphicButton*>(reinterpret_cast<TObject*>(message.LParam));
  if (message.WParam != static_cast<WPARAM>(FGroupIndex) || sender == nullptr || sender == this) return;
  if (sender->Pressed() && FPressed) {
    FPressed = false;
    FPreviousState = FState;
    FState = bsUp;
    RepaintButton();
  }
  FAllowAllUp = sender->AllowAllUp();
}

// ---------------------------------------------------------------------------------------------
// States.

bool TLMDBaseGraphicButton::AnimatedGlyph() const { return FGlyph->NumGlyphs() > 2 || FGlyph->Style() == gsExplorer; }

bool TLMDBaseGraphicButton::SameLook(TLMDButtonState value) const {
  const bool hotLooksSame = !AnimatedGlyph() && !(FAllowMouseOver && FEnterColorChange) && !HotFaceDiffers() &&
                            !ShapeButtonColorChange();
  if (hotLooksSame && IsPair(FState, value, bsUp, bsMouseOver)) return true;
  return FGlyph->NumGlyphs() < 3 && IsPair(FState, value, bsMouseOver, bsOptionSet);
}

void TLMDBaseGraphicButton::StateChange(TLMDButtonState value) {
  auto* form = dynamic_cast<TCustomForm*>(Owner());
  if (form != nullptr && (form->FormStyle() == fsMDIChild || form->FormStyle() == fsMDIForm) &&
      !Application->Active()) {
    if (value != bsMouseOver || !FInactivePass) return;
    value = bsUp;
  }
  if (value == FState) return;
  const bool repaint = !SameLook(value);
  const TLMDButtonState old = FState;
  FPreviousState = value == bsMouseOver && FState != bsOptionSet ? bsUp : FState;
  FState = value;
  if (repaint) RepaintButton();
  if (!FAllowMouseOver) return;
  if (old == bsMouseOver) FHoverTimer.Stop();
  else if (value == bsMouseOver && !FPressed) {
    FHoverTimer.Start(kHoverInterval, TNotifyEvent(this, &TLMDBaseGraphicButton::VerifyMouseOver));
  }
}

void TLMDBaseGraphicButton::RepaintButton() {
  if (!CanPaintNow()) return;
  if (!FTransparent || CheckOptimized()) Paint();
  else Invalidate();
}

// A pointer that left without a mouse-leave notification still ends the hot state.
void TLMDBaseGraphicButton::VerifyMouseOver(TObject*) {
  if (Enabled() && !CursorInside()) StateChange(bsUp);
}

bool TLMDBaseGraphicButton::CursorInside() {
  POINT cursor{};
  GetCursorPos(&cursor);
  const RECT screen = GetScreenRect(ClientRect());
  const int x = cursor.x - screen.left;
  const int y = cursor.y - screen.top;
  if (FAllowTransparency) return VerifyTransparency(x, y);
  return x >= 0 && x < ClientWidth() && y >= 0 && y <= ClientHeight();
}

void TLMDBaseGraphicButton::SetMouseOver(bool value) {
  if (value && !FMouseOver && FState == bsUp && FAllowMouseOver) {
    TLMDBaseControl::MouseEnter();
    StateChange(bsMouseOver);
  } else if (!value && FMouseOver) {
    TLMDBaseControl::MouseExit();
  }
  if (StoreChanged(FMouseOver, value) && MouseOverRepaints()) RepaintButton();
}

void TLMDBaseGraphicButton::MouseEnter() {
  if (FAllowTransparency) return;
  inherited::MouseEnter();
  if (!Enabled()) return;
  if (FState == bsUp && FAllowMouseOver) StateChange(bsMouseOver);
  FMouseOver = true;
}

void TLMDBaseGraphicButton::MouseExit() {
  inherited::MouseExit();
  if (FState == bsMouseOver) StateChange(FPreviousState);
  FMouseOver = false;
  if (FHideHint && Application != nullptr) Application->HideHint();
}

// ---------------------------------------------------------------------------------------------
// Mouse.

bool TLMDBaseGraphicButton::InsideForMove(int x, int y, bool widthInclusive) {
  if (!FAllowTransparency) {
    const bool inWidth = widthInclusive ? x <= ClientWidth() : x < ClientWidth();
    return x >= 0 && inWidth && y >= 0 && y <= ClientHeight();
  }
  if (VerifyTransparency(x, y)) return true;
  return FPressedShift && FState == bsDown && VerifyTransparency(x + FShiftAmount - 1, y + FShiftAmount - 1);
}

void TLMDBaseGraphicButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  inherited::MouseDown(button, shift, x, y);
  if (FAllowTransparency && !VerifyTransparency(x, y)) return;
  if (!Enabled() || button != mbLeft) return;
  TLMDButtonState target = FState;
  const TFinally change([&] { StateChange(target); });
  if (FDropDownMenu != nullptr) {
    if (FState == bsDropDownOpen) {
      target = bsMouseOver;
      return;
    }
    const POINT at{x, y};
    const RECT combo = ComboRect();
    if (!FDropDownCombo || PtInRect(&combo, at)) {
      DropDown();
      return;
    }
  }
  FMouseHeld = true;
  if (FPreviousState == bsOptionSet && FState == bsMouseOver && FGroupIndex != 0) {
    target = bsOptionSet;
  } else if (!FPressed) {
    target = bsDown;
    if (FRepeatedClick) {
      DoRepeatedClick();
      FRepeatTimer.Start(FRepeatingDelay, TNotifyEvent(this, &TLMDBaseGraphicButton::RepeatTimerFired));
    }
  }
}

void TLMDBaseGraphicButton::MouseMove(TShiftState shift, int x, int y) {
  inherited::MouseMove(shift, x, y);
  if (GetDroppedState() || !Enabled()) return;
  const bool inside = InsideForMove(x, y, true);
  TLMDButtonState target = FState;
  if (FAllowTransparency) {
    if (inside && FAllowMouseOver && !(FGroupIndex != 0 && FState == bsOptionSet)) target = bsMouseOver;
    else if (FState == bsMouseOver) target = FPreviousState;
  }
  if (FMouseHeld && (inside || FGroupIndex == 0 || FState == bsDown)) {
    target = !inside ? bsUp : FPressed ? bsOptionSet : bsDown;
  }
  StateChange(target);
  if (inside && !FMouseOver) {
    TLMDBaseControl::MouseEnter();
    if (FState == bsUp && FAllowMouseOver) StateChange(bsMouseOver);
  }
  FMouseOver = inside;
}

void TLMDBaseGraphicButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  inherited::MouseUp(button, shift, x, y);
  if (GetDroppedState() || !FMouseHeld) return;
  FMouseHeld = false;
  if (FRepeatedClick) FRepeatTimer.Stop();
  const bool inside = InsideForMove(x, y, false);
  TLMDButtonState target = IsDisabled(FState) ? FState : bsUp;
  bool toggleStands = false;
  if (FGroupIndex != 0) {
    if (inside) {
      if (FState == bsOptionSet && !FAllowAllUp) return;
      SetPressed(!FPressed);
      if (FAllowMouseOver) target = FPressed ? FState : bsUp;
      else toggleStands = true;
    } else if (FPressed) {
      target = bsOptionSet;
    }
  } else if (inside && FAllowMouseOver && !IsDisabled(FState)) {
    target = bsMouseOver;
  }
  if (!inside) {
    if (!toggleStands) StateChange(target);
    return;
  }
  if (!AnimatedGlyph() && !toggleStands) StateChange(target);
  if (!FRepeatedClick) Click();
  if (!AnimatedGlyph()) return;
  if (!CursorInside()) {
    StateChange(target);
  } else if (Enabled() && !toggleStands) {
    FInactivePass = true;
    const TFinally pass([this] { FInactivePass = false; });
    StateChange(target == bsUp ? bsMouseOver : target);
  }
}

void TLMDBaseGraphicButton::RepeatTimerFired(TObject*) {
  if (FMouseOver) DoRepeatedClick();
}

void TLMDBaseGraphicButton::DoRepeatedClick() {
  FRepeatTimer.SetInterval(FRepeatingInterval);
  Click();
}

void TLMDBaseGraphicButton::Click() { OnClick(this); }

// ---------------------------------------------------------------------------------------------
// Drop-down menu and accelerators.

void TLMDBaseGraphicButton::DropDown() {
  if (FDropDownMenu == nullptr || GetDroppedState()) return;
  StateChange(bsDropDownOpen);
  OnDropDown(this);
  LMDPopupDropDownMenu(FDropDownMenu, LMDDropDownPoint(this, FDropDownRight, FDropDownIndent), nullptr);
  StateChange(bsMouseOver);
}

void TLMDBaseGraphicButton::CMDialogChar(TMessage& message) {
  if (!IsAccel(message.WParam, Caption()) || !Enabled() || !Visible() || Parent() == nullptr ||
      !Parent()->Showing()) {
    return;
  }
  message.Result = 1;
  if (FDropDownMenu != nullptr) {
    if (GetDroppedState()) StateChange(bsMouseOver);
    else DropDown();
  } else if (FGroupIndex != 0) {
    if (FState == bsOptionSet && !FAllowAllUp) return;
    SetPressed(!FPressed);
    if (!FAllowMouseOver) return;
    StateChange(FPressed ? bsOptionSet : bsUp);
    if (FPressed) Click();
  } else {
    SetMouseOver(true);
    RepaintButton();
    Click();
    RepaintButton();
    if (!CursorInside()) {
      SetMouseOver(false);
      RepaintButton();
    }
  }
}

// ---------------------------------------------------------------------------------------------
// Painting and sub-objects.

void TLMDBaseGraphicButton::DrawGlyphAndText(TCanvas* canvas, const RECT& rect) {
  canvas->Font()->Assign(Font());
  if (IsHotOrPressed(FState) && FAllowMouseOver && FEnterColorChange) canvas->Font()->SetColor(FEnterColor);
  const TLMDDrawTextStyles styles =
      Enabled() ? TLMDDrawTextStyles{dtEnabled, dt3DDisabled} : TLMDDrawTextStyles{dtDisabled, dt3DDisabled};
  FGlyph->DrawButtonGlyphAndText(canvas, GetCaption(), FFontFX.get(), rect, FState, FButtonLayout.get(), styles,
                                 FMultiLine, DrawTextBiDiModeFlagsReadingOnly());
}

bool TLMDBaseGraphicButton::BackDrawArea(TCanvas* canvas, const RECT& rect, POINT point) {
  auto* parent = dynamic_cast<TLMDCustomControl*>(Parent());
  return parent != nullptr && parent->BackDrawArea(canvas, rect, point, 0);
}

void TLMDBaseGraphicButton::FontChange(TObject* sender) {
  if (sender == Font()) SetParentFont(false);
  if (!IsLoading()) {
    Canvas()->Font()->Assign(Font());
    FFontFX->KeepFontRotatable(Font(), sender == Font());
  }
  GetChange(sender);
}

void TLMDBaseGraphicButton::GetIMLChange(TObject* sender) {
  FGlyph->TakeListItem(ImageList(), GetIndex(1), GetIndex(0));
  inherited::GetIMLChange(sender);
}

void TLMDBaseGraphicButton::ActionChange(TObject* sender, bool checkDefaults) {
  inherited::ActionChange(sender, checkDefaults);
  FGlyph->TakeActionImage(dynamic_cast<TBasicAction*>(sender));
}

void TLMDBaseGraphicButton::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation == opRemove && component != nullptr && component == FDropDownMenu) FDropDownMenu = nullptr;
}

void TLMDBaseGraphicButton::Loaded() {
  inherited::Loaded();
  if (ImageList() != nullptr) GetIMLChange(nullptr);
}

void TLMDBaseGraphicButton::CMEnabledChanged(TMessage& message) {
  inherited::Dispatch(message);
  if (Enabled()) FState = FPressed ? bsOptionSet : bsUp;
  else FState = FPressed ? bsDisabledDown : bsDisabledUp;
  RepaintButton();
}

void TLMDBaseGraphicButton::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CM_BUTTONPRESSED:
      CMButtonPressed(message);
      return;
    case CM_HITTEST:
      // See-through parts leave the mouse to whatever lies beneath.
      message.Result = !FAllowTransparency || VerifyTransparency(message.XPos(), message.YPos()) ? HTCLIENT : HTNOWHERE;
      return;
    case CM_DIALOGCHAR:
      CMDialogChar(message);
      return;
    case CM_ENABLEDCHANGED:
      CMEnabledChanged(message);
      return;
    case CM_FONTCHANGED:
      FontChange(Font());
      inherited::Dispatch(message);
      return;
    case CM_TEXTCHANGED:
      inherited::Dispatch(message);
      Invalidate();
      return;
    case WM_LBUTTONDBLCLK:
      inherited::Dispatch(message);
      if (FPressed) DblClick();
      return;
    default:
      inherited::Dispatch(message);
  }
}
