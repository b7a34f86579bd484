#include "LMDCustomButton.h"

#include "LMDButtonBase.h"
#include "LMDButtonLayout.h"
#include "LMDContainer.h"
#include "LMDFXCaption.h"
#include "LMDCustomImageList.h"
#include "LMDDropDownMenu.h"
#include "LMDGlyph.h"
#include "LMDUtilsButtonFace.h"
#include "LMDUtilsText.h"

#include <Controls.h>
#include <ActnList.h>
#include <Forms.h>
#include <ImgList.h>
#include <Menus.h>
#include <TApplication.h>
#include <SysUtils.h>

using enum TComponentStateItem;
using enum TControlStyleItem;
using enum TLMDButtonState;
using enum TLMDGlyphKind;
using enum TLMDDrawTextStyle;
using enum TLMDNormalButtonStyle;
using enum TOperation;

TAWO_IMPLEMENT_CLASS(TLMDCustomButton)

TLMDCustomButton::TLMDCustomButton(TComponent* owner)
    : TButton(owner),
      FButtonLayout(std::make_unique<TLMDButtonLayout>()),
      FCanvas(std::make_unique<TControlCanvas>()),
      FGlyph(std::make_unique<TLMDGlyph>()),
      FFontFX(std::make_unique<TLMDFxCaption>()),
      FState(bsUp),
      FStyle(nbsAutoDetect),
      FImageLink(TNotifyEvent(this, &TLMDCustomButton::GetIMLChange)) {
  TControlStyle style = ControlStyle();
  style.Include(csReplicatable);
  SetControlStyle(style);
  SetBounds(Left(), Top(), 75, 25);
  const TNotifyEvent changed(this, &TLMDCustomButton::GetChange);
  FButtonLayout->OnChange = changed;
  FGlyph->OnChange = changed;
  FFontFX->OnChange = changed;
}

TLMDCustomButton::~TLMDCustomButton() {
  StopRepeatTimer();
  FButtonLayout->OnChange = nullptr;
  FGlyph->OnChange = nullptr;
  FFontFX->OnChange = nullptr;
}

void TLMDCustomButton::SetButtonLayout(TLMDButtonLayout* value) { FButtonLayout->Assign(value); }

void TLMDCustomButton::SetFontFX(TLMDFxCaption* value) { FFontFX->Assign(value); }

TBitmap* TLMDCustomButton::Glyph() const { return FGlyph->Glyph(); }

uint8_t TLMDCustomButton::NumGlyphs() const { return FGlyph->NumGlyphs(); }

void TLMDCustomButton::SetGlyph(TBitmap* value) {
  if (!ComponentState().Contains(csLoading) && ImageList() != nullptr) SetImageList(nullptr);
  FGlyph->SetGlyph(value);
  Invalidate();
}

void TLMDCustomButton::SetNumGlyphs(uint8_t value) {
  if (value == FGlyph->NumGlyphs()) return;
  FGlyph->SetNumGlyphs(value);
  Invalidate();
}

void TLMDCustomButton::SetGlyphKind(TLMDGlyphKind value) {
  if (value == FGlyphKind) return;
  FGlyphKind = value;
  if (value == gkCustom) {
    if (!ComponentState().Contains(csLoading)) GetIMLChange(nullptr);
    return;
  }
  FGlyph->SetGlyphKind(value);
  Invalidate();
}

void TLMDCustomButton::SetStyle(TLMDNormalButtonStyle value) {
  if (value == FStyle) return;
  FStyle = value;
  Invalidate();
}

void TLMDCustomButton::SetMultiLine(bool value) {
  if (value == FMultiLine) return;
  FMultiLine = value;
  GetChange(nullptr);
}

void TLMDCustomButton::SetUseCaption(bool value) {
  if (value == FUseCaption) return;
  FUseCaption = value;
  GetChange(nullptr);
}

void TLMDCustomButton::SetDropDownMenu(TPopupMenu* value) {
  if (value == FDropDownMenu) return;
  if (FDropDownMenu != nullptr) FDropDownMenu->RemoveFreeNotification(this);
  FDropDownMenu = value;
  if (value != nullptr) value->FreeNotification(this);
}

void TLMDCustomButton::SetImageList(TLMDCustomImageList* value) {
  FImageLink.SetImageList(value, this);
  GetIMLChange(nullptr);
}

void TLMDCustomButton::SetIndex(int32_t index, int32_t value) {
  if (FImageLink.SetIndex(index, value) && ImageList() != nullptr) GetIMLChange(nullptr);
}

void TLMDCustomButton::GetIMLChange(TObject*) {
  if (FGlyphKind != gkCustom) return;
  FGlyph->TakeListItem(ImageList(), GetIndex(1), GetIndex(0));
  Invalidate();
}

void TLMDCustomButton::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation != opRemove || component == nullptr) return;
  if (component == FDropDownMenu) FDropDownMenu = nullptr;
  if (component == ImageList()) SetImageList(nullptr);
}

void TLMDCustomButton::ActionChange(TObject* sender, bool checkDefaults) {
  inherited::ActionChange(sender, checkDefaults);
  if (FGlyphKind == gkCustom && FGlyph->TakeActionImage(dynamic_cast<TBasicAction*>(sender))) Invalidate();
}

void TLMDCustomButton::DefineProperties(TFiler& filer) {
  inherited::DefineProperties(filer);
  LMDDefineInternal(filer, ImageList(), [this](TLMDCustomImageList* list) { SetImageList(list); });
}

// The glyph was not taken from the list while the indices were still being read.
void TLMDCustomButton::Loaded() {
  inherited::Loaded();
  if (ImageList() != nullptr) GetIMLChange(nullptr);
}

void TLMDCustomButton::SetBounds(int left, int top, int width, int height) {
  const RECT old = BoundsRect();
  inherited::SetBounds(left, top, width, height);
  const TLMDBoundsChangeStates state = LMDBoundsChanges(old, BoundsRect());
  if (!state.Empty() && !ComponentState().Contains(csLoading)) BoundsChange(state);
}

void TLMDCustomButton::BoundsChange(TLMDBoundsChangeStates) {}

HPALETTE TLMDCustomButton::GetPalette() { return FGlyph->Glyph()->Palette(); }

void TLMDCustomButton::Click() {
  if (FDropDownMenu == nullptr || FDropped) {
    inherited::Click();
    return;
  }
  OnClick(this);
  DropDown();
}

void TLMDCustomButton::DropDown() {
  if (FDropDownMenu == nullptr || FDropped) return;
  if (!FActiveDefault && CanFocus()) SetFocus();
  Perform(BM_SETSTATE, 1, 0);
  Repaint();
  FDropped = true;
  OnDropDown(this);
  LMDPopupDropDownMenu(FDropDownMenu, LMDDropDownPoint(this, FDropDownRight, FDropDownIndent), Handle());
  FDropped = false;
  FState = bsUp;
  Perform(BM_SETSTATE, 0, 0);
}

AnsiString TLMDCustomButton::PaintedCaption() const { return FUseCaption ? Caption() : AnsiString(); }

void TLMDCustomButton::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  params.Style |= BS_OWNERDRAW;
}

void TLMDCustomButton::SetButtonStyle(bool isDefault) {
  if (isDefault == FActiveDefault) return;
  FActiveDefault = isDefault;
  Invalidate();
}

void TLMDCustomButton::GetChange(TObject* sender) {
  if (ComponentState().Contains(csLoading)) return;
  if (sender == Font() || sender == FFontFX.get()) {
    SetParentFont(false);
    // A new font comes back here through CM_FONTCHANGED.
    if (FFontFX->KeepFontRotatable(Font(), sender == Font())) return;
  }
  Invalidate();
}

void TLMDCustomButton::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CN_DRAWITEM:
      CNDrawItem(message);
      return;
    case CN_MEASUREITEM:
      CNMeasureItem(message);
      return;
    case CM_MOUSEENTER:
      CMMouseEnter(message);
      return;
    case CM_MOUSELEAVE:
      CMMouseLeave(message);
      return;
    case CM_VISIBLECHANGED:
      CMVisibleChanged(message);
      return;
    case CM_ENABLEDCHANGED:
      inherited::Dispatch(message);
      Invalidate();
      return;
    case CM_FONTCHANGED:
      inherited::Dispatch(message);
      GetChange(Font());
      return;
    case WM_LBUTTONDOWN:
      WMLButtonDown(message);
      return;
    case WM_LBUTTONUP:
      WMLButtonUp(message);
      return;
    case WM_LBUTTONDBLCLK:
      WMLButtonDblClk(message);
      return;
    default:
      inherited::Dispatch(message);
  }
}

void TLMDCustomButton::CMMouseEnter(TMessage& message) {
  inherited::Dispatch(message);
  if (FState == bsUp && OnMouseEnter.Assigned()) OnMouseEnter(this);
  FMouseInside = true;
}

void TLMDCustomButton::CMMouseLeave(TMessage& message) {
  inherited::Dispatch(message);
  if (OnMouseExit.Assigned()) OnMouseExit(this);
  FMouseInside = false;
  if (FHideHint && Application != nullptr) Application->HideHint();
}

void TLMDCustomButton::CMVisibleChanged(TMessage& message) {
  inherited::Dispatch(message);
  if (Visible()) return;
  StopRepeatTimer();
  FMouseInside = false;
}

void TLMDCustomButton::WMLButtonDown(TMessage& message) {
  inherited::Dispatch(message);
  if (FRepeatedClick) StartRepeatTimer();
}

void TLMDCustomButton::WMLButtonUp(TMessage& message) {
  inherited::Dispatch(message);
  if (FRepeatedClick) StopRepeatTimer();
}

// Each press of a double click is a press of the button, so a double click clicks twice.
void TLMDCustomButton::WMLButtonDblClk(TMessage& message) {
  message.Result = Perform(WM_LBUTTONDOWN, message.WParam, message.LParam);
}

void TLMDCustomButton::StartRepeatTimer() {
  FRepeatTimer.Start(FRepeatingDelay, TNotifyEvent(this, &TLMDCustomButton::RepeatTimerFired));
}

void TLMDCustomButton::StopRepeatTimer() { FRepeatTimer.Stop(); }

void TLMDCustomButton::RepeatTimerFired(TObject*) {
  if (FMouseInside) DoRepeatedClick();
}

void TLMDCustomButton::DoRepeatedClick() {
  FRepeatTimer.SetInterval(FRepeatingInterval);
  Click();
}

void TLMDCustomButton::CNMeasureItem(TMessage& message) {
  auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
  item->itemWidth = static_cast<UINT>(Width());
  item->itemHeight = static_cast<UINT>(Height());
  message.Result = TRUE;
}

void TLMDCustomButton::CNDrawItem(TMessage& message) {
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
  FCanvas->PaintOn(item->hDC, [&] { Paint(*item); });
  message.Result = TRUE;
}

// The dark frame marks the default button; focus adds the focus rectangle.
uint16_t TLMDCustomButton::FaceOptions(UINT itemState) const {
  if (FActiveDefault) return LMD_BTNFACE_ROUNDED | LMD_BTNFACE_FOCUSED;
  if ((itemState & ODS_FOCUS) != 0) return LMD_BTNFACE_ROUNDED | LMD_BTNFACE_DEFAULT;
  return LMD_BTNFACE_ROUNDED;
}

void TLMDCustomButton::Paint(const DRAWITEMSTRUCT& item) {
  RECT rect = ClientRect();
  if (!Enabled()) {
    FState = bsDisabledUp;
  } else {
    FState = (item.itemState & ODS_SELECTED) != 0 ? bsDown : bsUp;
  }
  LMDDrawBtnFace(FCanvas.get(), false, rect, static_cast<TLMDUserButtonStyle>(FStyle), FState,
                 FaceOptions(item.itemState), Color());
  // A rotated font of an earlier paint must not carry over.
  FCanvas->Font()->Assign(Font());
  const TLMDDrawTextStyles styles =
      Enabled() ? TLMDDrawTextStyles{dtEnabled, dt3DDisabled} : TLMDDrawTextStyles{dtDisabled, dt3DDisabled};
  FGlyph->DrawButtonGlyphAndText(FCanvas.get(), PaintedCaption(), FFontFX.get(), rect, FState, FButtonLayout.get(),
                                 styles, FMultiLine, DrawTextBiDiModeFlagsReadingOnly());
}
