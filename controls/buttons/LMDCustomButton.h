// Unit LMDCustomButton: TLMDCustomButton, a push button whose face the control paints itself:
// a BUTTON-class window with BS_OWNERDRAW that paints on the owner-draw request its parent
// reflects to it. Each paint draws the face in the button's style, then glyph, caption (with
// its 3D effect) and arrow placed by the button layout. Holding the left button down can click
// repeatedly through a timer of the application's timer pool.
#pragma once

#include "LMDBase.h"
#include "LMDButtonBase.h"
#include "LMDImageLink.h"
#include "LMDPoolTimer.h"

#include <StdCtrls.h>
#include <TBitmap.h>
#include <TControlCanvas.h>

#include <cstdint>
#include <memory>

class TLMDButtonLayout;
class TPopupMenu;
class TLMDFxCaption;
class TLMDGlyph;

class TLMDCustomButton : public TButton {
  TAWO_CLASS(TLMDCustomButton, TButton)

 public:
  explicit TLMDCustomButton(TComponent* owner);
  ~TLMDCustomButton() override;

  AnsiString About() const { return FAbout; }
  void SetAbout(const AnsiString&) {}
  TLMDButtonLayout* ButtonLayout() const { return FButtonLayout.get(); }
  void SetButtonLayout(TLMDButtonLayout* value);
  TLMDFxCaption* FontFX() const { return FFontFX.get(); }
  void SetFontFX(TLMDFxCaption* value);
  TBitmap* Glyph() const;
  void SetGlyph(TBitmap* value);
  uint8_t NumGlyphs() const;
  void SetNumGlyphs(uint8_t value);
  TLMDNormalButtonStyle Style() const { return FStyle; }
  void SetStyle(TLMDNormalButtonStyle value);
  bool MultiLine() const { return FMultiLine; }
  void SetMultiLine(bool value);
  bool UseCaption() const { return FUseCaption; }
  void SetUseCaption(bool value);
  bool HideHint() const { return FHideHint; }
  void SetHideHint(bool value) { FHideHint = value; }
  bool RepeatedClick() const { return FRepeatedClick; }
  void SetRepeatedClick(bool value) { FRepeatedClick = value; }
  uint16_t RepeatingDelay() const { return FRepeatingDelay; }
  void SetRepeatingDelay(uint16_t value) { FRepeatingDelay = value; }
  uint16_t RepeatingInterval() const { return FRepeatingInterval; }
  void SetRepeatingInterval(uint16_t value) { FRepeatingInterval = value; }

  // The image container the glyph comes from; a glyph set directly detaches it.
  TLMDCustomImageList* ImageList() const { return FImageLink.ImageList(); }
  void SetImageList(TLMDCustomImageList* value);
  // 0 ImageIndex, 1 ListIndex; negative values are ignored.
  int32_t GetIndex(int32_t index) const { return FImageLink.GetIndex(index); }
  void SetIndex(int32_t index, int32_t value);
  // A predefined picture instead of the user's glyph: the kind's picture becomes the glyph (one
  // picture); gkCustom takes the glyph from the image list again.
  TLMDGlyphKind GlyphKind() const { return FGlyphKind; }
  void SetGlyphKind(TLMDGlyphKind value);
  // The glyph is written to the form only when it does not come from an image list.
  bool GlyphStored() const { return ImageList() == nullptr || FGlyphKind != TLMDGlyphKind::gkCustom; }

  TPopupMenu* DropDownMenu() const { return FDropDownMenu; }
  void SetDropDownMenu(TPopupMenu* value);
  int32_t DropDownIndent() const { return FDropDownIndent; }
  void SetDropDownIndent(int32_t value) { FDropDownIndent = value; }
  bool DropDownRight() const { return FDropDownRight; }
  void SetDropDownRight(bool value) { FDropDownRight = value; }

  // With a drop-down menu OnClick runs and the menu opens under the button.
  void Click() override;
  // Reports through BoundsChange which of position and size changed (not while loading).
  void SetBounds(int left, int top, int width, int height) override;
  // The glyph bitmap's palette.
  HPALETTE GetPalette() override;

  // The state of the last paint.
  TLMDButtonState State() const { return FState; }
  // The text as painted: the caption, or nothing without UseCaption.
  AnsiString PaintedCaption() const;

  TNotifyEvent OnDropDown;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseExit;

 protected:
  void CreateParams(TCreateParams& params) override;
  // The framework tells the button here whether Enter would press it; an owner-drawn button
  // keeps its window style and shows it with the dark frame instead.
  void SetButtonStyle(bool isDefault) override;
  void Dispatch(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;
  // An empty glyph takes the action's image from its action list.
  void ActionChange(TObject* sender, bool checkDefaults) override;
  void DefineProperties(TFiler& filer) override;
  void Loaded() override;
  // Shows the drop-down menu with the button held pushed until the menu closes.
  void DropDown();
  // Told after SetBounds moved or resized the button; nothing here.
  virtual void BoundsChange(TLMDBoundsChangeStates state);
  // One repeat of a held button: later repeats come at RepeatingInterval.
  virtual void DoRepeatedClick();

 private:
  void CNDrawItem(TMessage& message);
  void CNMeasureItem(TMessage& message);
  void CMMouseEnter(TMessage& message);
  void CMMouseLeave(TMessage& message);
  void CMVisibleChanged(TMessage& message);
  void WMLButtonDown(TMessage& message);
  void WMLButtonUp(TMessage& message);
  void WMLButtonDblClk(TMessage& message);
  void Paint(const DRAWITEMSTRUCT& item);
  uint16_t FaceOptions(UINT itemState) const;
  // Repaints after a change of the glyph, layout, caption effect or font; a rotated caption
  // needs a TrueType font, so the font and the angle are kept compatible.
  void GetChange(TObject* sender);
  // Takes the glyph from the image list's item, or empties it without a valid item.
  void GetIMLChange(TObject* sender);
  void StartRepeatTimer();
  void StopRepeatTimer();
  void RepeatTimerFired(TObject* sender);

  AnsiString FAbout;
  std::unique_ptr<TLMDButtonLayout> FButtonLayout;
  std::unique_ptr<TControlCanvas> FCanvas;
  std::unique_ptr<TLMDGlyph> FGlyph;
  TPopupMenu* FDropDownMenu = nullptr;
  int32_t FDropDownIndent = 0;
  bool FDropDownRight = false;
  bool FDropped = false;
  TLMDGlyphKind FGlyphKind = TLMDGlyphKind::gkCustom;
  std::unique_ptr<TLMDFxCaption> FFontFX;
  bool FActiveDefault = false;
  bool FMouseInside = false;
  bool FMultiLine = false;
  bool FRepeatedClick = false;
  uint16_t FRepeatingDelay = 500;
  uint16_t FRepeatingInterval = 100;
  TLMDButtonState FState;
  TLMDNormalButtonStyle FStyle;
  TLMDPoolTimer FRepeatTimer;
  bool FHideHint = true;
  bool FUseCaption = true;
  TLMDImageLink FImageLink;
};
