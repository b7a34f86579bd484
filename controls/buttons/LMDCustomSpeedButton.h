// Unit LMDCustomSpeedButton: TLMDCustomSpeedButton, the toolbar button: a windowless button
// whose face is drawn in any of the library's button styles, hot tracking on, with an optional
// combo part at the right that opens the drop-down menu.
#pragma once

#include "LMDBaseGraphicButton.h"

class TLMDCustomSpeedButton : public TLMDBaseGraphicButton {
  TAWO_CLASS(TLMDCustomSpeedButton, TLMDBaseGraphicButton)

 public:
  // 23 × 22, opaque, hot tracking, no see-through parts.
  explicit TLMDCustomSpeedButton(TComponent* owner);

  // The explorer styles leave the background to the parent (the button becomes Transparent);
  // the uncoloured styles show the glyph in gray until the button is hot.
  TLMDUserButtonStyle Style() const { return FStyle; }
  void SetStyle(TLMDUserButtonStyle value);
  // Whether the glyph is gray until hot.
  bool UnColorMain() const;
  void SetUnColorMain(bool value);
  // A predefined picture instead of the user's glyph; the image list and actions leave it be.
  TLMDGlyphKind GlyphKind() const { return FGlyphKind; }
  void SetGlyphKind(TLMDGlyphKind value);
  // The glyph is written to the form unless it comes from an image list.
  bool GlyphStored() const override { return inherited::GlyphStored() || FGlyphKind != TLMDGlyphKind::gkCustom; }

 protected:
  void Paint() override;
  bool HotFaceDiffers() const override;
  bool MouseOverRepaints() const override;
  void GetIMLChange(TObject* sender) override;
  void ActionChange(TObject* sender, bool checkDefaults) override;

 private:
  // Paints one face with the option word of toolbar buttons and returns nothing: the content
  // rectangle follows from the bevel.
  void DrawFace(const RECT& rect, TLMDButtonState state);
  void DrawComboArrow(const RECT& combo);
  RECT ContentRect(const RECT& main) const;

  TLMDGlyphKind FGlyphKind = TLMDGlyphKind::gkCustom;
  TLMDUserButtonStyle FStyle = TLMDUserButtonStyle::ubsAutoDetect;
};
