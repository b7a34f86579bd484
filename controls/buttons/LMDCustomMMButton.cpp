#include "LMDCustomMMButton.h"

#include "LMDUtilsBitmap.h"

#include <LMDContainer.h>
#include <LMDCustomImageList.h>
#include <LMDListItem.h>

#include <TFiler.h>
#include <TPopupMenu.h>
#include <TStream.h>

#include <algorithm>

using enum TControlStyleItem;
using enum TLMDBitmapStyle;
using enum TLMDButtonState;
using enum TOperation;

TAWO_PUBLISHED(TLMDCustomMMButton, published) {
  using T = TLMDCustomMMButton;
  published.Property("AllowAllUp", &T::AllowAllUp, &T::SetAllowAllUp).Default(false);
  published.Property("AllowMouseOver", &T::AllowMouseOver, &T::SetAllowMouseOver).Default(false);
  published.Property("AllowTransparency", &T::AllowTransparency, &T::SetAllowTransparency).Default(true);
  published.Property("ButtonFaceImageList", &T::ButtonFaceImageList, &T::SetButtonFaceImageList);
  published.Property("ButtonFaceStyle", &T::ButtonFaceStyle, &T::SetButtonFaceStyle).Default(sbNone);
  published.Property("CaptionDown", &T::CaptionDown, &T::SetCaptionDown).Default(1);
  published.Property("DropDownIndent", &T::DropDownIndent, &T::SetDropDownIndent).Default(0);
  published.Property("DropDownMenu", &T::DropDownMenu, &T::SetDropDownMenu);
  published.Property("DropDownRight", &T::DropDownRight, &T::SetDropDownRight).Default(false);
  published.Property("ForceTransparent", &T::ForceTransparent, &T::SetForceTransparent).Default(true);
  published.Property("GroupIndex", &T::GroupIndex, &T::SetGroupIndex).Default(0);
  published.Property("Pressed", &T::Pressed, &T::SetPressed).Default(false);
  published.Property("QuickDraw", &T::QuickDraw, &T::SetQuickDraw).Default(false);
  published.Property("Transparent", &T::Transparent, &T::SetTransparent).Default(false);
}

namespace {

constexpr int kStates = 8;
constexpr TColor kPaletteRelative = 0x2000000;

bool IsDown(TLMDButtonState state) { return state == bsOptionSet || state == bsDown || state == bsDropDownOpen; }

// The state whose picture stands in for a state without one; the state itself when none does.
TLMDButtonState StandIn(TLMDButtonState state) {
  switch (state) {
    case bsDisabledUp:
    case bsMouseOver:
    case bsDragOver: return bsUp;
    case bsOptionSet:
    case bsDown:
    case bsDropDownOpen:
    case bsDisabledDown: return bsDown;
    case bsUp: break;
  }
  return state;
}

uint16_t PlacementMode(TLMDBitmapStyle style) {
  switch (style) {
    case sbCenter: return kLMDBmpCenter;
    case sbStretch: return kLMDBmpStretch;
    case sbTile: return kLMDBmpTile;
    case sbKeepAspRatio: return kLMDBmpStretch | kLMDBmpKeepWidth | kLMDBmpKeepHeight;
    case sbKeepWidth: return kLMDBmpStretch | kLMDBmpKeepWidth;
    case sbKeepHeight: return kLMDBmpStretch | kLMDBmpKeepHeight;
    case sbNone:
    case sbAutosize: break;
  }
  return 0;
}

}  // namespace

TLMDCustomMMButton::TLMDCustomMMButton(TComponent* owner)
    : TLMDBaseGraphicButton(owner), FFaceLink(TNotifyEvent(this, &TLMDCustomMMButton::FaceListChanged)) {
  SetControlStyle(TControlStyle{csCaptureMouse, csOpaque, csDoubleClicks, csReplicatable});
}

void TLMDCustomMMButton::SetButtonFaceImageList(TLMDCustomImageList* value) {
  FFaceLink.SetImageList(value, this);
  if (value != nullptr && !IsLoading()) SetTransCol();
  GetChange(nullptr);
}

void TLMDCustomMMButton::FaceListChanged(TObject* sender) { GetChange(sender); }

TLMDButtonFaceIndex TLMDCustomMMButton::GetButtonFaceIndex(TLMDButtonState state) const {
  return FFaces[static_cast<size_t>(state)];
}

void TLMDCustomMMButton::SetButtonFaceIndex(TLMDButtonState state, TLMDButtonFaceIndex index) {
  Face(static_cast<int>(state)) = index;
  if (state == State()) RepaintButton();
}

void TLMDCustomMMButton::SetButtonFaceIndices(const TLMDButtonFaceIndices& indices) {
  FFaces = indices;
  if (!IsLoading()) RepaintButton();
}

void TLMDCustomMMButton::SetForceTransparent(bool value) {
  if (value == FForceTransparent) return;
  FForceTransparent = value;
  RepaintButton();
}

void TLMDCustomMMButton::SetQuickDraw(bool value) {
  if (value == FQuickDraw) return;
  FQuickDraw = value;
  RepaintButton();
}

void TLMDCustomMMButton::SetButtonFaceStyle(TLMDBitmapStyle value) {
  if (value == FButtonFaceStyle) return;
  FButtonFaceStyle = value;
  RepaintButton();
}

void TLMDCustomMMButton::SetTransCol() {
  TLMDCustomImageList* list = ButtonFaceImageList();
  if (list == nullptr) return;
  const TLMDButtonFaceIndex first = FFaces[0];
  TColor color = list->TransparentColor(first.ListIndex, first.ImageIndex);
  if (static_cast<uint32_t>(color) > 0x1FFFFFF) color -= kPaletteRelative;
  FFaceTransparentColor = color;
}

HPALETTE TLMDCustomMMButton::GetPalette() {
  TLMDCustomImageList* list = ButtonFaceImageList();
  return list != nullptr ? list->Palette(GetButtonFaceIndex(State()).ListIndex) : nullptr;
}

bool TLMDCustomMMButton::FacePicture(TLMDButtonFaceIndex& picture) {
  TLMDCustomImageList* list = ButtonFaceImageList();
  if (list == nullptr) return false;
  picture = GetButtonFaceIndex(State());
  if (list->IsValidItem(picture.ListIndex, picture.ImageIndex)) return true;
  if (StandIn(State()) == State()) return false;
  picture = GetButtonFaceIndex(StandIn(State()));
  return list->IsValidItem(picture.ListIndex, picture.ImageIndex);
}

uint16_t TLMDCustomMMButton::DrawMode() const {
  return static_cast<uint16_t>((FQuickDraw ? 0 : kLMDBmpPalette) | PlacementMode(FButtonFaceStyle));
}

bool TLMDCustomMMButton::VerifyTransparency(int x, int y) {
  TLMDButtonFaceIndex picture;
  if (!FacePicture(picture)) return false;
  const POINT at{x, y};
  if (!PtInRect(&FFaceRect, at)) return false;
  const POINT inPicture{x - FFaceRect.left, y - FFaceRect.top};
  return ButtonFaceImageList()->GetColorAtPoint(inPicture, picture.ListIndex, picture.ImageIndex) !=
         FFaceTransparentColor;
}

void TLMDCustomMMButton::Paint() {
  if (IsLoading()) return;
  FFaceRect = RECT{};
  TLMDCustomImageList* list = ButtonFaceImageList();
  if (list == nullptr) {
    if (!Transparent()) FillControl();
    if (IsDesigning()) DrawDashedFrame();
    return;
  }
  TLMDButtonFaceIndex picture = GetButtonFaceIndex(State());
  const bool hasPicture = FacePicture(picture);
  if (!hasPicture && (State() == bsUp || StandIn(State()) == State())) return;
  if (FButtonFaceStyle == sbAutosize) {
    const int32_t width = std::max(list->Dimensions(picture.ListIndex, 0), 0);
    const int32_t height = std::max(list->Dimensions(picture.ListIndex, 1), 0);
    const int32_t newWidth = width == 0 ? 20 : width;
    const int32_t newHeight = height == 0 ? 20 : height;
    if (newWidth != Width() || newHeight != Height()) {
      SetBounds(Left(), Top(), newWidth, newHeight);
      return;
    }
  }
  const RECT client = ClientRect();
  TBitmap frame;
  frame.SetSize(client.right, client.bottom);
  TCanvas* canvas = frame.Canvas();
  bool backgroundReady = false;
  if (!Transparent()) {
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(client);
    backgroundReady = true;
  } else if (ParentKeepsBackground()) {
    backgroundReady = BackDrawArea(canvas, client, POINT{Left(), Top()});
  }
  TColor seeThrough = clFuchsia;
  if (hasPicture) {
    uint16_t mode = DrawMode();
    seeThrough = list->TransparentColor(picture.ListIndex, picture.ImageIndex);
    if (Transparent()) {
      if (!backgroundReady) {
        canvas->Brush()->SetColor(seeThrough);
        canvas->FillRect(client);
      }
      mode |= kLMDBmpTransparent;
    } else if (FForceTransparent) {
      mode |= kLMDBmpTransparent;
    }
    FFaceRect = list->DrawExt(canvas, client, mode, picture.ListIndex, picture.ImageIndex);
  }
  RECT content = client;
  if (IsDown(State())) OffsetRect(&content, FCaptionDown, FCaptionDown);
  DrawGlyphAndText(canvas, content);
  if (backgroundReady) {
    if (HPALETTE palette = GetPalette(); palette != nullptr && !FQuickDraw) {
      SelectPalette(Canvas()->Handle(), palette, FALSE);
      RealizePalette(Canvas()->Handle());
    }
    Canvas()->Draw(0, 0, &frame);
  } else {
    LMDBmpDrawExt(Canvas(), client, canvas, client, kLMDBmpPalette | kLMDBmpTransparent, seeThrough, nullptr);
  }
}

// ---------------------------------------------------------------------------------------------
// Streaming.

void TLMDCustomMMButton::ReadIndices(TStream& stream, bool pairs, int states) {
  if (pairs) {
    for (int state = 0; state < states; ++state) {
      Face(state).ListIndex = LMDReadInt32(stream);
      Face(state).ImageIndex = LMDReadInt32(stream);
    }
    return;
  }
  for (int state = 0; state < states; ++state) Face(state).ListIndex = LMDReadInt32(stream);
  for (int state = 0; state < states; ++state) Face(state).ImageIndex = LMDReadInt32(stream);
}

void TLMDCustomMMButton::ReadIndicesNew2(TStream& stream) {
  for (int state = 0; state < kStates; ++state) Face(state).ImageIndex = LMDReadInt32(stream);
  for (int state = kStates - 1; state >= 0; --state) Face(state).ListIndex = LMDReadInt32(stream);
}

void TLMDCustomMMButton::WriteIndicesNew2(TStream& stream) {
  for (int state = 0; state < kStates; ++state) LMDWriteInt32(stream, Face(state).ImageIndex);
  for (int state = kStates - 1; state >= 0; --state) LMDWriteInt32(stream, Face(state).ListIndex);
}

void TLMDCustomMMButton::DefineProperties(TFiler& filer) {
  inherited::DefineProperties(filer);
  LMDDefineInternal(
      filer, ButtonFaceImageList(), [this](TLMDCustomImageList* list) { SetButtonFaceImageList(list); }, "ButtonFace");
  filer.DefineBinaryProperty("ButtonFaceIndices", [this](TStream& stream) { ReadIndices(stream, true, 7); }, nullptr,
                             false);
  filer.DefineBinaryProperty("ButtonFaceIndicesNew", [this](TStream& stream) { ReadIndices(stream, false, 7); },
                             nullptr, false);
  filer.DefineBinaryProperty(
      "ButtonFaceIndicesNew2", [this](TStream& stream) { ReadIndicesNew2(stream); },
      [this](TStream& stream) { WriteIndicesNew2(stream); }, FFaces != TLMDButtonFaceIndices{});
  filer.DefineBinaryProperty(
      "ButtonFaceTransCol", [this](TStream& stream) { FFaceTransparentColor = LMDReadInt32(stream); }, nullptr, false);
  filer.DefineBinaryProperty(
      "ButtonFaceTransColNew", [this](TStream& stream) { FFaceTransparentColor = LMDReadInt32(stream); },
      [this](TStream& stream) { LMDWriteInt32(stream, static_cast<int32_t>(FFaceTransparentColor)); },
      FFaceTransparentColor != clWhite);
}

void TLMDCustomMMButton::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation == opRemove && component != nullptr && component == ButtonFaceImageList()) {
    SetButtonFaceImageList(nullptr);
  }
}
