#include "LMDCustomSpeedButton.h"

#include "LMDGlyph.h"
#include "LMDUtilsButtonFace.h"

#include <LMDUtils.h>

using enum TControlStyleItem;
using enum TLMDButtonState;
using enum TLMDGlyphKind;
using enum TLMDGlyphStyle;
using enum TLMDUserButtonStyle;

TAWO_IMPLEMENT_CLASS(TLMDCustomSpeedButton)

namespace {

// Rounded ubsWin31 corners and the bevelled ubsWin40 face.
constexpr uint16_t kFaceOptions = LMD_BTNFACE_ROUNDED | LMD_BTNFACE_BEVELLED;
constexpr int32_t kArrowSize = 3;

bool IsExplorer(TLMDUserButtonStyle style) { return style == ubsExplorer || style == ubsExplorerColored; }

bool HasGrayGlyph(TLMDUserButtonStyle style) {
  return style == ubsFlatUnColored || style == ubsNavigator || style == ubsExplorer;
}

}  // namespace

TLMDCustomSpeedButton::TLMDCustomSpeedButton(TComponent* owner) : TLMDBaseGraphicButton(owner) {
  SetControlStyle(TControlStyle{csCaptureMouse, csOpaque, csDoubleClicks, csReplicatable});
  SetAllowMouseOver(true);
  SetAllowTransparency(false);
  SetBounds(Left(), Top(), 23, 22);
}

void TLMDCustomSpeedButton::SetStyle(TLMDUserButtonStyle value) {
  if (value == FStyle) return;
  GlyphObject()->SetStyle(HasGrayGlyph(value) ? gsExplorer : gsStandard);
  if (IsExplorer(value)) SetTransparent(true);
  else if (IsExplorer(FStyle)) SetTransparent(false);
  FStyle = value;
  GetChange(nullptr);
}

bool TLMDCustomSpeedButton::UnColorMain() const { return GlyphObject()->Style() == gsExplorer; }

void TLMDCustomSpeedButton::SetUnColorMain(bool value) {
  GlyphObject()->SetStyle(value ? gsExplorer : gsStandard);
  RepaintButton();
}

void TLMDCustomSpeedButton::SetGlyphKind(TLMDGlyphKind value) {
  if (value == FGlyphKind) return;
  FGlyphKind = value;
  if (value != gkCustom) GlyphObject()->SetGlyphKind(value);
  else if (!IsLoading()) GetIMLChange(nullptr);
}

void TLMDCustomSpeedButton::GetIMLChange(TObject* sender) {
  if (FGlyphKind != gkCustom) {
    GetChange(sender);
    return;
  }
  inherited::GetIMLChange(sender);
}

void TLMDCustomSpeedButton::ActionChange(TObject* sender, bool checkDefaults) {
  if (FGlyphKind != gkCustom) {
    TLMDBaseControl::ActionChange(sender, checkDefaults);
    return;
  }
  inherited::ActionChange(sender, checkDefaults);
}

bool TLMDCustomSpeedButton::HotFaceDiffers() const { return FStyle >= ubsDelphiFlat && FStyle <= ubsExplorerColored; }

bool TLMDCustomSpeedButton::MouseOverRepaints() const {
  return FStyle == ubsDelphiFlat || FStyle == ubsFlat || FStyle == ubsFlatUnColored || FStyle == ubsNavigator;
}

void TLMDCustomSpeedButton::DrawFace(const RECT& rect, TLMDButtonState state) {
  RECT face = rect;
  LMDDrawBtnFace(Canvas(), MouseOver(), face, FStyle, state, kFaceOptions, Color());
}

void TLMDCustomSpeedButton::DrawComboArrow(const RECT& combo) {
  LMDDrawTriangle(Canvas(), combo.left + (DropDownComboWidth() - kArrowSize) / 2, (Height() - kArrowSize) / 2,
                  kArrowSize, clBlack, true, Enabled());
}

RECT TLMDCustomSpeedButton::ContentRect(const RECT& main) const {
  const int32_t bevel = LMDGetButtonBevel(FStyle);
  RECT content = main;
  InflateRect(&content, -bevel, -bevel);
  const TLMDButtonState state = State();
  const bool down = state == bsOptionSet || state == bsDown || state == bsDropDownOpen;
  if (down && !(ComboActive() && GetDroppedState())) OffsetRect(&content, 1, 1);
  return content;
}

void TLMDCustomSpeedButton::Paint() {
  if (IsLoading()) return;
  RECT main = ClientRect();
  RECT combo{};
  if (ComboActive()) {
    combo = ComboRect();
    // The two faces share a border line when the style's border is wider than one pixel.
    main.right = combo.left + (LMDGetButtonBevel(FStyle) > 1 ? 1 : 0);
  }
  if (IsExplorer(FStyle) && !(ParentKeepsBackground() && BackDrawArea(Canvas(), main, POINT{Left(), Top()}))) {
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(main);
  }
  if (IsDesigning()) {
    DrawFace(main, bsMouseOver);
    if (ComboActive()) {
      DrawFace(combo, bsMouseOver);
      DrawComboArrow(combo);
    }
  } else if (!ComboActive()) {
    DrawFace(main, State());
  } else {
    DrawFace(main, GetDroppedState() ? bsMouseOver : State());
    DrawFace(combo, State() == bsDown ? bsMouseOver : State());
    DrawComboArrow(combo);
  }
  DrawGlyphAndText(Canvas(), ContentRect(main));
}
