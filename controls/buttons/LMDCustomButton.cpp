#include "LMDCustomButton.h"

#include "LMDApplication.h"
#include "LMDButtonBase.h"
#include "LMDButtonLayout.h"
#include "LMDContainer.h"
#include "LMDFXCaption.h"
#include "LMDCustomImageList.h"
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
  if (FImageLink.IMLEmpty()) {
    FGlyph->SetGlyph(nullptr);
  } else {
    TBitmap item;
    ImageList()->GetBitmapItem(GetIndex(1), GetIndex(0), &item);
    FGlyph->SetGlyph(&item);
  }
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
  auto* action = dynamic_cast<TCustomAction*>(sender);
  if (action == nullptr || action->ActionList() == nullptr || !FGlyph->Glyph()->Empty()) return;
  TCustomImageList* images = action->ActionList()->Images();
  const int32_t index = action->ImageIndex();
  if (images == nullptr || index < 0 || index >= images->Count()) return;
  TBitmap picture;
  picture.SetWidth(images->Width());
  picture.SetHeight(images->Height());
  picture.Canvas()->Brush()->SetColor(clFuchsia);
  picture.Canvas()->FillRect(RECT{0, 0, images->Width(), images->Height()});
  images->Draw(picture.Canvas(), 0, 0, index);
  FGlyph->SetGlyph(&picture);
  Invalidate();
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
  const POINT corner = FDropDownRight ? ClientToScreen(POINT{Width(), FDropDownIndent})
                                      : ClientToScreen(POINT{FDropDownIndent, Height()});
  FDropDownMenu->Popup(corner.x, corner.y);
  // Clicks made to close the menu must not press the button again.
  MSG pending;
  while (PeekMessageA(&pending, Handle(), WM_MOUSEFIRST, WM_MOUSEWHEEL, PM_REMOVE)) {
  }
  if (HWND capture = GetCapture()) SendMessageA(capture, WM_CANCELMODE, 0, 0);
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
    if (FFontFX->Angle() != 0 && !LMDIsTrueTypeFont(Font())) {
      if (sender == FFontFX.get()) {
        // The new font comes back here through CM_FONTCHANGED.
        Font()->SetName("Arial");
        return;
      }
      FFontFX->SetAngle(0);
    }
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
  if (FRepeatTimer != 0) return;
  FRepeatTimer = LMDApplication->AddTimer(FRepeatingDelay, TNotifyEvent(this, &TLMDCustomButton::RepeatTimerFired));
  if (FRepeatTimer == 0) throw EOutOfResources("Not enough timers available");
  LMDApplication->GetTimer(FRepeatTimer)->SetEnabled(true);
}

void TLMDCustomButton::StopRepeatTimer() {
  if (FRepeatTimer == 0) return;
  TLMDTimerItem* timer = LMDApplication->GetTimer(FRepeatTimer);
  const uint16_t ident = FRepeatTimer;
  FRepeatTimer = 0;
  if (timer == nullptr) return;
  timer->OnTimer = nullptr;
  timer->SetEnabled(false);
  LMDApplication->RemoveTimer(ident);
}

void TLMDCustomButton::RepeatTimerFired(TObject*) {
  if (FMouseInside) DoRepeatedClick();
}

void TLMDCustomButton::DoRepeatedClick() {
  if (TLMDTimerItem* timer = LMDApplication->GetTimer(FRepeatTimer)) timer->SetInterval(FRepeatingInterval);
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
                                 styles, FMultiLine, 0);
}
